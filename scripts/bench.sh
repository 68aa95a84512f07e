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
# The user's cable file is never the real one: an empty data folder unless a benchmark makes its own.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
csv=$(build-bench/bench/handlers_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
      --benchmark_format=csv 2>/dev/null)
# The Smith chart's repaint (Qt's raster painter on the offscreen platform).
csv+=$'\n'$(QT_QPA_PLATFORM=offscreen build-bench/bench/chart_bench --benchmark_repetitions=10 \
      --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null | tail -n +2)
# The band view: a 1,001-point sweep moved along the line towards the antenna.
csv+=$'\n'$(build-bench/bench/band_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
      --benchmark_format=csv 2>/dev/null | tail -n +2)
# The user's cables: a 12-point datasheet fit, a measurement from a 2,001-point sweep, the window model's
# start with 100 user cables and with none.
cablecsv=$(build-bench/bench/cables_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
           --benchmark_format=csv 2>/dev/null)
tscsv=$(build-bench/bench/touchstone_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
        --benchmark_format=csv 2>/dev/null)
# The analyser: a 401-point scan reply read; a 10,001-point sweep from the stand-in against moving its bytes.
ancsv=$(build-bench/bench/analyser_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
        --benchmark_format=csv 2>/dev/null)
# The window's event loop while the analyser sweeps continuously (1,001 points into the line, chart open).
eventloop=$(xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/analyser_eventloop 10 1001 2>/dev/null)
startup=$(xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/startup build-bench/bench/hamlinecalc_probe \
          build-bench/bench/floor_probe "$runs" 2>/dev/null)
cablestart=$(xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/startup --cables \
             build-bench/bench/hamlinecalc_probe "$runs" 2>/dev/null)

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
echo "$ancsv" | awk -F, '
    $1 ~ /_median"?$/ {
        name = $1; gsub(/"/, "", name); sub(/^BM_/, "", name); sub(/(\/real_time)?_median$/, "", name)
        t = $3; unit = $5; gsub(/"/, "", unit)
        ms = (unit == "ns") ? t / 1e6 : (unit == "us") ? t / 1000 : (unit == "ms") ? t : t * 1000
        if (name == "AnalyserReadScan401")
            printf "| %s | %.1f us | < 200 us | %s |\n", name, ms * 1000, (ms < 0.2 ? "yes" : "NO")
        if (name == "AnalyserSweep10001") sweep = ms
        if (name == "AnalyserMoveBytes10001") move = ms
    }
    END {
        if (move > 0)
            printf "| analyser sweep of 10,001 points / moving its bytes (%.1f / %.1f ms) | ratio %.2f | <= 1.5 | %s |\n",
                   sweep, move, sweep / move, (sweep / move <= 1.5 ? "yes" : "NO")
    }'
echo "$eventloop" | awk -F'|' '
    /longest wait/ { split($2, t, " "); printf "| %s (%s) | %s ms | <= 30 ms | %s |\n", $1, $3, t[1], (t[1] <= 30 ? "yes" : "NO") }' |
    sed 's/ *| */ | /g; s/( /(/; s/ )/)/'
echo "$startup" | awk -F'|' '
    /start to first paint/ { split($4, r, " "); printf "| start to first paint, calculator / floor (%s / %s) | ratio %s | <= 1.3 | %s |\n", $2, $3, r[2], (r[2] <= 1.3 ? "yes" : "NO") }
    /peak resident memory/ { split($4, r, " "); printf "| peak resident memory, calculator / floor (%s / %s) | ratio %s | <= 1.2 | %s |\n", $2, $3, r[2], (r[2] <= 1.2 ? "yes" : "NO") }'
echo "$cablecsv" | awk -F, '
    $1 ~ /_median"?$/ {
        name = $1; gsub(/"/, "", name); sub(/^BM_/, "", name); sub(/_median$/, "", name)
        t = $3; unit = $5; gsub(/"/, "", unit)
        us = (unit == "ns") ? t / 1000 : (unit == "us") ? t : (unit == "ms") ? t * 1000 : t * 1e6
        if (name ~ /^DatasheetFit/) printf "| %s | %.2f us | < 50 us | %s |\n", name, us, (us < 50 ? "yes" : "NO")
        else if (name ~ /^MeasureFrom/) printf "| %s | %.2f ms | < 50 ms | %s |\n", name, us / 1000, (us < 50000 ? "yes" : "NO")
        else { split(name, p, "/"); start[p[2]] = us }
    }
    END {
        if ((0 in start) && (100 in start))
            printf "| window model start, 100 user cables / none (%.0f / %.0f us) | ratio %.2f | - | - |\n",
                   start[100], start[0], start[100] / start[0]
    }'
echo "$cablestart" | awk -F'|' '
    /with 100 user cables/ { split($4, r, " "); printf "| start to first paint, 100 user cables / none (%s / %s) | ratio %s | <= 1.1 | %s |\n", $2, $3, r[2], (r[2] <= 1.1 ? "yes" : "NO") }'
