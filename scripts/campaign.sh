#!/usr/bin/env bash
# The long fuzz campaigns (not part of CI): the window fuzzer to WINDOW_RUNS scripts (1,000,000), the
# number-text and the Touchstone reader fuzzers to BYTE_RUNS inputs (10,000,000) each, one after the other
# on one core, all under ASan + UBSan. What the runs add is merged, minimised, into fuzz/corpus/NAME, so
# that the short runs of scripts/check.sh start from it. Counts, times and findings go to
# build-campaign/campaign.log; a finding stops its target and leaves the input in build-campaign/findings/.
#   nice -n 19 scripts/campaign.sh               # everything
#   TARGETS="numtext" BYTE_RUNS=100000 scripts/campaign.sh
#   SECONDS_EACH=600 nice -n 19 scripts/campaign.sh   # each target stops after at most 600 s
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev >/dev/null

window_runs=${WINDOW_RUNS:-1000000}
byte_runs=${BYTE_RUNS:-10000000}
targets=${TARGETS:-window numtext touchstone}
limit=()
[ -n "${SECONDS_EACH:-}" ] && limit=(-max_total_time="$SECONDS_EACH")
build=build-campaign
log=$build/campaign.log

source fuzz/targets.sh
cmake --preset fuzz -B "$build" >/dev/null || exit 1
cmake --build "$build" -j1 || exit 1
mkdir -p "$build/findings"
echo "== campaign $(date -u +%FT%TZ) on $(nproc) cores, $(git rev-parse --short HEAD)" | tee -a "$log"

status=0
for target in $targets; do
    runs=$byte_runs
    [ "$target" = window ] && runs=$window_runs
    options_text=$(fuzz_options "$target") || exit 2
    read -ra options <<<"$options_text"
    read -ra seeds <<<"$(fuzz_seeds "$target")"
    fuzzer=$build/fuzz/${target}_fuzz
    [ -x "$fuzzer" ] || { echo "$target: no fuzzer built, skipped" | tee -a "$log"; continue; }
    existing=()
    for s in "${seeds[@]}"; do [ -d "$s" ] && existing+=("$s"); done
    grown=$build/grown/$target
    mkdir -p "$grown"
    start=$(date +%s)
    "$fuzzer" -runs="$runs" "${limit[@]}" "${options[@]}" -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$grown" "${existing[@]}" >"$build/$target.out" 2>&1
    rc=$?
    seconds=$(( $(date +%s) - start ))
    executed=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.out" | grep -o '[0-9]*$')
    if [ $rc -eq 0 ]; then verdict=clean; else verdict="FINDING (exit $rc, see $build/$target.out)"; status=1; fi
    echo "$target: ${executed:-?} inputs in ${seconds} s, $verdict" | tee -a "$log"

    # Keep what the run added, minimised against the seeds (the scenario scripts are seeds of their own).
    merged=$build/merged/$target
    rm -rf "$merged" && mkdir -p "$merged"
    for s in "${existing[@]}"; do cp "$s"/* "$merged"/ 2>/dev/null; done
    before=$(ls "$merged" | wc -l)
    "$fuzzer" -merge=1 "${options[@]}" "$merged" "$grown" >"$build/$target.merge.out" 2>&1
    added=0
    for f in "$merged"/*; do
        name=$(basename "$f")
        found=0
        for s in "${existing[@]}"; do [ -e "$s/$name" ] && found=1; done
        if [ $found -eq 0 ]; then cp "$f" "fuzz/corpus/$target/"; added=$((added + 1)); fi
    done
    echo "$target: corpus $before seeds, $added inputs added to fuzz/corpus/$target ($(du -sh "fuzz/corpus/$target" | cut -f1))" | tee -a "$log"
done
exit $status
