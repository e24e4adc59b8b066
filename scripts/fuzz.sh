#!/usr/bin/env bash
# Builds the fuzzers of the file readers and the drawings with clang, ASan and UBSan and runs each
# for a bounded time (FUZZ_SECONDS, default 30) with one worker per core (FUZZ_WORKERS, default 2),
# the readers from the corpus kept with the tests, the drawings from an empty one.
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
# The runs record no allocation stacks and keep a 16 MB quarantine, a fraction of the defaults'
# cost per input. An input that fails is run once more with the defaults, whose report says where
# each block involved was allocated and freed, and so is the leak pass.
asan=malloc_context_size=0:quarantine_size_mb=16
ubsan=halt_on_error=1:print_stacktrace=1
# Each worker fuzzes the shared corpus on its own and takes up what the others add.
workers=${FUZZ_WORKERS:-2}
here=$PWD
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  logs=$(mktemp -d)
  [ -n "${corpus[$target]:-}" ] && cp -r "$root/${corpus[$target]}"/. "$work"/
  echo "Fuzzing $target for ${seconds}s with $workers workers"
  # The run checks leaks only when the process ends; the pass after it runs every input of the
  # corpus it leaves once more with the leak check after each input.
  status=0
  (cd "$logs" && UBSAN_OPTIONS=$ubsan ASAN_OPTIONS=$asan \
    "$dir/fuzz/$target" -jobs="$workers" -workers="$workers" -artifact_prefix="$logs/" \
    -max_total_time="$seconds" -max_len=65536 -timeout=10 -detect_leaks=0 -print_final_stats=1 \
    "$work" >/dev/null 2>&1) || status=$?
  # A worker's whole log when the run failed, its final figures otherwise.
  for log in "$logs"/fuzz-*.log; do
    if [ "$status" -eq 0 ]; then tail -n 12 "$log"; else cat "$log"; fi
  done
  awk -v target="$target" '/stat::number_of_executed_units/ { total += $2 }
    /stat::average_exec_per_sec/ { rate += $2 }
    END { printf "%s: %d executions, %d per second\n", target, total, rate }' "$logs"/fuzz-*.log
  if [ "$status" -ne 0 ]; then
    # Failing inputs are kept where the script was started.
    for input in "$logs"/crash-* "$logs"/leak-* "$logs"/timeout-* "$logs"/oom-*; do
      [ -e "$input" ] || continue
      kept=$here/$target-$(basename "$input")
      cp "$input" "$kept"
      echo "Running $kept again with full allocation stacks"
      UBSAN_OPTIONS=$ubsan "$dir/fuzz/$target" -timeout=10 "$kept" 2>&1 || true
    done
    exit "$status"
  fi
  rm -rf "$logs"
  echo "Checking $target's corpus for leaks"
  status=0
  leaks=$(UBSAN_OPTIONS=$ubsan "$dir/fuzz/$target" -runs=0 -max_len=65536 -timeout=10 -detect_leaks=1 \
    "$work" 2>&1) || status=$?
  if [ "$status" -eq 0 ]; then tail -n 4 <<<"$leaks"; else echo "$leaks"; exit "$status"; fi
  rm -rf "$work"
done
