#!/usr/bin/env bash
# Builds Ostra and runs every test. With --sanitize, builds in build-asan with
# AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages

dir=build
# A compiler warning in our own code fails the build.
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTRA_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-asan
    args=(-DCMAKE_BUILD_TYPE=Debug -DOSTRA_SANITIZE=ON -DOSTRA_WERROR=ON)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$dir" -G Ninja "${args[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
