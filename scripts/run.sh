#!/usr/bin/env bash
# Sets up, builds and starts ZELIRO. Without a display, it starts on a virtual
# one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build=${BUILD_DIR:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$build/src/zeliro"
fi
exec "$build/src/zeliro"
