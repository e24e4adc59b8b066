#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test; any report stops the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build-asan
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DTRAGVEL_SANITIZE=ON -DTRAGVEL_BENCH=OFF -DTRAGVEL_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$dir" -j2
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=${TRAGVEL_DETECT_LEAKS:-1}
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$dir" --output-on-failure --timeout 600 -j2
