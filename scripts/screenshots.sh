#!/usr/bin/env bash
# The pictures of the README and the guide, made on a virtual X display from the real window:
# docs/screenshot.png and docs/screenshot-en.png (the calculator after an SWR calculation, in Italian and
# in English), docs/smithchart.png and docs/smithchart-en.png (the Smith chart window beside it). The
# build is the preset "default" (BUILD_DIR to build elsewhere); the Qt test screenshot_test draws them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${BUILD_DIR:-build}
cmake --preset default -B "$build_dir" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target screenshot_test >/dev/null
HLC_UPDATE_DOCS_SCREENSHOT=1 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build_dir/tests/screenshot_test" | grep -o 'saved .*docs/[^ ]*' || true
git status --short docs/*.png
