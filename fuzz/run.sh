#!/usr/bin/env bash
# Runs every fuzz target of BUILD_DIR for SECONDS each on a scratch copy of the seed corpus,
# so that the checked-in corpus never changes. Fails when a target finds a crash, a leak, a
# timeout or an out-of-memory input; the input is kept in the scratch folder and printed.
# Usage: fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
target="$build/fuzz/work_file_reader_fuzz"
if [ ! -x "$target" ]; then
    echo "$target not built (configure with CXX=clang++ -DQUILLEX_FUZZ=ON)" >&2
    exit 2
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quillex-fuzz.XXXXXX")
cp -R "$here/corpus" "$scratch/corpus"
mkdir "$scratch/artifacts"

status=0
"$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=65536 \
    -dict="$here/work_file.dict" -artifact_prefix="$scratch/artifacts/" -print_final_stats=1 \
    "$scratch/corpus" >"$scratch/log" 2>&1 || status=$?

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$scratch/artifacts")" ]; then
    tail -n 60 "$scratch/log" >&2
    echo "fuzzing failed (exit $status); inputs kept in $scratch/artifacts:" >&2
    ls -l "$scratch/artifacts" >&2
    exit 1
fi
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+.*DONE' "$scratch/log" || true
echo "work_file_reader_fuzz: no failure in ${seconds}s ($(ls "$scratch/corpus" | wc -l) inputs in corpus)"
rm -rf "$scratch"
