#!/usr/bin/env bash
# The reliability checks: every unit and scenario test under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a bounded fuzz run of each libFuzzer target (FUZZ_SECONDS, 60 each).
# The builds are the presets "asan" and "fuzz" of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev

seconds=${FUZZ_SECONDS:-60}
jobs=$(nproc)

echo "== tests under ASan + UBSan"
cmake --preset asan
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

echo "== fuzz targets, ${seconds} s each"
cmake --preset fuzz
cmake --build --preset fuzz -j"$jobs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source fuzz/targets.sh
for target in "${fuzz_targets[@]}"; do
    mkdir -p "$work/$target"
    read -ra options <<<"$(fuzz_options "$target")"
    read -ra seeds <<<"$(fuzz_seeds "$target")"
    "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" "${options[@]}" -artifact_prefix="$work/" \
        -print_final_stats=1 "$work/$target" "${seeds[@]}"
done
echo "== reliability checks passed"
