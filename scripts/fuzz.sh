#!/usr/bin/env bash
# Builds the fuzzers of the file readers and the drawings with clang, ASan and UBSan and runs each
# for a bounded time (FUZZ_SECONDS, default 30), the readers from the corpus kept with the tests,
# the drawings from an empty one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build-fuzz
seconds=${FUZZ_SECONDS:-30}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTRAGVEL_FUZZ=ON -DTRAGVEL_SANITIZE=ON -DTRAGVEL_TESTS=OFF -DTRAGVEL_BENCH=OFF \
  -DTRAGVEL_FOLDERS="common;influence;loads;report" "${launcher[@]}" >/dev/null
targets=()
for source in "$root"/fuzz/*_fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$dir" -j2 --target "${targets[@]}"
declare -A corpus=([prcreader_fuzz]=tests/influence/corpus [zatreader_fuzz]=tests/loads/corpus
                   [projectreader_fuzz]=tests/report/corpus)
# Allocation stacks of five frames and a 16 MB quarantine: a report still says where a block was
# allocated and freed, and each input costs a fraction of the full defaults.
asan=detect_leaks=1:malloc_context_size=5:quarantine_size_mb=16
ubsan=halt_on_error=1:print_stacktrace=1
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  [ -n "${corpus[$target]:-}" ] && cp -r "$root/${corpus[$target]}"/. "$work"/
  echo "Fuzzing $target for ${seconds}s"
  # The run checks leaks only when the process ends; the pass after it runs every input of the
  # corpus it leaves once more with the leak check after each input.
  UBSAN_OPTIONS=$ubsan ASAN_OPTIONS=$asan \
    "$dir/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -detect_leaks=0 \
    -print_final_stats=1 "$work" 2>&1 | tail -n 12
  echo "Checking $target's corpus for leaks"
  UBSAN_OPTIONS=$ubsan ASAN_OPTIONS=$asan \
    "$dir/fuzz/$target" -runs=0 -max_len=65536 -timeout=10 -detect_leaks=1 "$work" 2>&1 | tail -n 4
  rm -rf "$work"
done
