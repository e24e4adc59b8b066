#!/usr/bin/env bash
# Builds the program with link-time optimisation, which compares the definitions of every type
# across all translation units, and fails on any one-definition-rule report: two types of one
# name with different layouts otherwise link without a word and crash at run time. The program
# links every library, so building it alone checks all of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build-odr
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
odr="-Wodr -Werror=odr -Wlto-type-mismatch -Werror=lto-type-mismatch"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON \
  -DCMAKE_CXX_FLAGS="$odr" -DCMAKE_EXE_LINKER_FLAGS="$odr -flto=2" \
  -DTRAGVEL_TESTS=OFF -DTRAGVEL_BENCH=OFF -DTRAGVEL_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$dir" -j2 --target tragvel
echo "No one-definition-rule reports."
