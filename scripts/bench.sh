#!/usr/bin/env bash
# Performance: builds in Release mode and prints one table with the median time of every handler
# benchmark and the start-up and memory ratios against a bare Qt window, each with its target. The build
# is the preset "bench" of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh libbenchmark-dev
cmake --preset bench > /dev/null
cmake --build --preset bench -j"$(nproc)" > /dev/null

runs=${STARTUP_RUNS:-20}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
csv=$(build-bench/bench/handlers_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
      --benchmark_format=csv 2>/dev/null)
# The Smith chart's repaint (Qt's raster painter on the offscreen platform).
csv+=$'\n'$(QT_QPA_PLATFORM=offscreen build-bench/bench/chart_bench --benchmark_repetitions=10 \
      --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null | tail -n +2)
# The band view: a 1,001-point sweep moved along the line towards the antenna.
csv+=$'\n'$(build-bench/bench/band_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
      --benchmark_format=csv 2>/dev/null | tail -n +2)
tscsv=$(build-bench/bench/touchstone_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
        --benchmark_format=csv 2>/dev/null)
startup=$(xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/startup build-bench/bench/hamlinecalc_probe \
          build-bench/bench/floor_probe "$runs" 2>/dev/null)

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo
echo "| measurement | median | target | holds |"
echo "|---|---|---|---|"
echo "$csv" | awk -F, '
    $1 ~ /_median"?$/ {
        name = $1; gsub(/"/, "", name); sub(/^BM_/, "", name); sub(/_median$/, "", name)
        t = $3; unit = $5; gsub(/"/, "", unit)
        us = (unit == "ns") ? t / 1000 : (unit == "us") ? t : (unit == "ms") ? t * 1000 : t * 1e6
        target = (name ~ /WorstCase/) ? 50 : 10
        if (name ~ /^(Val|Format)$/) target = 0
        if (name ~ /^ChartRepaint/) target = 8000
        if (name ~ /^BandTowardsAntenna/) target = 50000
        printf "| %s | %.2f us | %s | %s |\n", name, us, (target ? "< " target " us" : "-"),
               (target == 0 ? "-" : (us < target ? "yes" : "NO"))
    }'
echo "$tscsv" | awk -F, '
    $1 ~ /_median"?$/ {
        name = $1; gsub(/"/, "", name); sub(/^BM_/, "", name); sub(/_median$/, "", name)
        t = $3; unit = $5; gsub(/"/, "", unit)
        ms = (unit == "ns") ? t / 1e6 : (unit == "us") ? t / 1000 : (unit == "ms") ? t : t * 1000
        printf "| %s | %.2f ms | < 20 ms | %s |\n", name, ms, (ms < 20 ? "yes" : "NO")
    }'
echo "$startup" | awk -F'|' '
    /start to first paint/ { split($4, r, " "); printf "| start to first paint, calculator / floor (%s / %s) | ratio %s | <= 1.4 | %s |\n", $2, $3, r[2], (r[2] <= 1.4 ? "yes" : "NO") }
    /peak resident memory/ { split($4, r, " "); printf "| peak resident memory, calculator / floor (%s / %s) | ratio %s | <= 1.2 | %s |\n", $2, $3, r[2], (r[2] <= 1.2 ? "yes" : "NO") }'
