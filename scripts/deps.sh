#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
# Usage: scripts/deps.sh [run|test]
set -euo pipefail
mode=${1:-run}
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libsmbclient-dev fonts-comic-neue fonts-liberation fonts-dejavu-core
          shared-mime-info desktop-file-utils xdg-utils)
if [ "$mode" = test ]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
               samba smbclient)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
