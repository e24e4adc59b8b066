#!/usr/bin/env bash
# Starts the given programs in turn, round after round, and prints each one's median wall time and
# its ratio to the first program's. Taking them in turn keeps a shared machine's slow spells from
# falling on one program only, as they do when each program's runs come one after another.
#
#   bash bench/startup/interleaved.sh ROUNDS PROGRAM [PROGRAM ...]
#
# A program with arguments is given as one quoted word, as in 'build/bench/startup/startup_tragvel --whole'.
set -euo pipefail

rounds=$1
shift
programs=("$@")
times=$(mktemp)
trap 'rm -f "$times"' EXIT

for ((round = -3; round < rounds; ++round)); do # three rounds to warm the caches first
  for index in "${!programs[@]}"; do
    read -ra command <<<"${programs[index]}"
    start=$EPOCHREALTIME
    "${command[@]}" >/dev/null 2>&1
    end=$EPOCHREALTIME
    ((round < 0)) || echo "$index ${start/[.,]/} ${end/[.,]/}" >>"$times"
  done
done

for index in "${!programs[@]}"; do
  median=$(awk -v i="$index" '$1 == i { print ($3 - $2) / 1000 }' "$times" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
  ((index == 0)) && first=$median
  awk -v m="$median" -v f="$first" -v p="${programs[index]}" 'BEGIN { printf "%7.2f ms  %5.2fx  %s\n", m, m / f, p }'
done
