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
mkdir -p "$work/numtext" "$work/window" "$work/touchstone" "$work/cables" "$work/analyser"
build-fuzz/fuzz/numtext_fuzz -max_total_time="$seconds" -timeout=10 -artifact_prefix="$work/" \
    -print_final_stats=1 "$work/numtext" fuzz/corpus/numtext
build-fuzz/fuzz/window_fuzz -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=4096 \
    -dict=fuzz/window.dict -artifact_prefix="$work/" -print_final_stats=1 "$work/window" fuzz/corpus/window tests/scenarios
build-fuzz/fuzz/touchstone_fuzz -max_total_time="$seconds" -timeout=10 -max_len=65536 -dict=fuzz/touchstone.dict \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/touchstone" fuzz/corpus/touchstone tests/touchstone
build-fuzz/fuzz/cables_fuzz -max_total_time="$seconds" -timeout=10 -max_len=65536 -dict=fuzz/cables.dict \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/cables" fuzz/corpus/cables
# Any bytes as an analyser's replies to a sweep, in any chunking.
build-fuzz/fuzz/analyser_fuzz -max_total_time="$seconds" -timeout=10 -max_len=8192 -dict=fuzz/analyser.dict \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/analyser" fuzz/corpus/analyser
echo "== reliability checks passed"
