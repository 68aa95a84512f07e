#!/usr/bin/env bash
# Configures (the "default" preset of CMakePresets.json) and builds into build/ (or the folder given as
# $BUILD_DIR). Further arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake --preset default -B "$build_dir" "$@"
cmake --build "$build_dir" -j"$(nproc)"
