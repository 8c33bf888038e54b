#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
#   scripts/test.sh              plain build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/install-deps.sh"

dir=build sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then dir=build-asan sanitize=ON; fi

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKES_SANITIZE=$sanitize
cmake --build "$dir"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$dir" --output-on-failure -j2
