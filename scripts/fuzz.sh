#!/usr/bin/env bash
# Builds the file-reader fuzzers with clang, ASan and UBSan and runs each for a bounded time
# (FUZZ_SECONDS, default 30) from the corpus kept with the tests.
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
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  seed=$root/${corpus[$target]:-fuzz}
  [ -d "$seed" ] && cp -r "$seed"/. "$work"/
  echo "Fuzzing $target for ${seconds}s"
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
    "$dir/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 "$work" 2>&1 | tail -n 12
  rm -rf "$work"
done
