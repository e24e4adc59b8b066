#!/usr/bin/env bash
# Installs what is missing, builds and starts the program on the user's display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: set DISPLAY (or run under xvfb-run) to start Tragvel." >&2
  exit 1
fi
workdir=$root
[ -d "$root/examples" ] && workdir=$root/examples
cd "$workdir"
exec "$root/build/app/tragvel"
