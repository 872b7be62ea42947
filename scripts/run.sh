#!/usr/bin/env bash
# Builds the program and starts it; arguments are passed on (a work file to load).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release
exec build/release/src/app/quillex "$@"
