#!/usr/bin/env bash
# Sets up, builds and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): run it under a virtual one with" \
         "'xvfb-run -s \"-screen 0 1280x1024x24\" scripts/run.sh', or from a desktop session."
    exit 1
fi
exec "${BUILD_DIR:-build}/hamlinecalc"
