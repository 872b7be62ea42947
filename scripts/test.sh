#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan (the benchmarks too, so that they keep
# building; they are not run) and runs all tests, then a short fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLEX_SANITIZE=ON \
    -DQUILLEX_BENCH=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 600
if [ -f fuzz/CMakeLists.txt ]; then
    CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUILLEX_GUI=OFF -DBUILD_TESTING=OFF -DQUILLEX_FUZZ=ON >/dev/null
    cmake --build build/fuzz --target work_file_reader_fuzz
    fuzz/run.sh build/fuzz "${QUILLEX_FUZZ_SECONDS:-30}"
fi
