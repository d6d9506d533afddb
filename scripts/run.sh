#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. With no display,
# it starts the program under a virtual X display (xvfb-run) and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/attestari/attestari
fi
echo "No display found: starting the program under a virtual display (xvfb-run)." >&2
exec xvfb-run -a -s "-screen 0 1280x800x24" build/attestari/attestari
