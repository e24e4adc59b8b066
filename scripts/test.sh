#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DTRAGVEL_WERROR=ON
ctest --test-dir "$root/build" --output-on-failure --timeout 300 -j2
# Every type defined once: a link-time-optimised build of the program fails on any ODR report.
"$root/scripts/odr-check.sh"
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
"$root/scripts/sanitize.sh"
# A short bounded run of the file-reader and drawing fuzzers under ASan and UBSan.
FUZZ_SECONDS=${FUZZ_SECONDS:-30} "$root/scripts/fuzz.sh"
