#!/usr/bin/env bash
# The mutation check (not part of CI): plants each fault of scripts/mutants.table in turn, rebuilds
# incrementally, runs the tests until the first failure, and puts the file back. A fault that no test
# notices survives. Prints the score and the survivors.
#   nice -n 19 scripts/mutants.sh            # all rows (about 1-3 minutes each on 2 cores)
#   scripts/mutants.sh --check               # only verifies that every row applies
#   ONLY=touchstone scripts/mutants.sh       # the rows whose file path contains the word
set -uo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-mutants}
table=${TABLE:-scripts/mutants.table} # TABLE=FILE: the rows of another table (a re-check of a few)
jobs=${JOBS:-2}
only=${ONLY:-}

# apply FILE ORIGINAL MUTATED: replaces the one line equal to ORIGINAL; fails unless there is exactly one.
apply() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
path, original, mutated = sys.argv[1:]
lines = open(path, encoding="utf-8").read().split("\n")
hits = [i for i, l in enumerate(lines) if l == original]
if len(hits) != 1:
    sys.exit(f"{path}: the line occurs {len(hits)} times: {original}")
lines[hits[0]] = mutated
open(path, "w", encoding="utf-8").write("\n".join(lines))
PY
}

rows=()
while IFS= read -r row; do
    [[ -z "$row" || "$row" == \#* ]] && continue
    [[ -n "$only" && "${row%% @@ *}" != *"$only"* ]] && continue
    rows+=("$row")
done <"$table"

field() { # field N ROW: the Nth " @@ "-separated field of a row
    awk -v n="$1" 'BEGIN { FS = " @@ " } { print $n }' <<<"$2"
}

saved=$(mktemp -d)
current=""
restore() {
    if [ -n "$current" ]; then cp -p "$saved/file" "$current" && touch "$current"; current=""; fi
}
trap 'restore; rm -rf "$saved"' EXIT
trap 'exit 130' INT TERM

if [ "${1:-}" = "--check" ]; then
    bad=0
    for row in "${rows[@]}"; do
        file=$(field 1 "$row")
        cp -p "$file" "$saved/file"; current=$file
        apply "$file" "$(field 2 "$row")" "$(field 3 "$row")" || bad=$((bad + 1))
        restore
    done
    echo "${#rows[@]} rows, $bad do not apply"
    exit $((bad > 0))
fi

cmake --preset default -B "$build" >/dev/null || exit 1
cmake --build "$build" -j"$jobs" >/dev/null || { echo "the unchanged tree does not build"; exit 1; }
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" -E '^package\.' >/dev/null) ||
    { echo "the unchanged tree fails its tests"; exit 1; }

killed=0 survived=0 equivalent=0 unbuilt=0
survivors=()
for row in "${rows[@]}"; do
    file=$(field 1 "$row") what=$(field 4 "$row") why=$(field 5 "$row")
    cp -p "$file" "$saved/file"; current=$file
    if ! apply "$file" "$(field 2 "$row")" "$(field 3 "$row")"; then
        restore; echo "DOES NOT APPLY  $file: $what"; unbuilt=$((unbuilt + 1)); continue
    fi
    start=$(date +%s)
    if ! cmake --build "$build" -j"$jobs" >/dev/null 2>&1; then
        verdict="NOT BUILT"; unbuilt=$((unbuilt + 1))
    elif (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" --stop-on-failure --timeout 300 \
              -E '^package\.' >/dev/null 2>&1); then
        if [ -n "$why" ]; then
            verdict="equivalent"; equivalent=$((equivalent + 1))
        else
            verdict="SURVIVED"; survived=$((survived + 1)); survivors+=("$file: $what")
        fi
    else
        verdict="killed"; killed=$((killed + 1))
    fi
    restore
    printf '%-10s %4ss  %s: %s\n' "$verdict" $(( $(date +%s) - start )) "$file" "$what"
done
cmake --build "$build" -j"$jobs" >/dev/null 2>&1 # back to the unchanged build

counted=$((killed + survived))
echo "== $killed of $counted faults killed ($(( counted ? 100 * killed / counted : 0 )) %), $equivalent equivalent, $unbuilt not built"
for s in "${survivors[@]}"; do echo "survivor: $s"; done
[ $counted -gt 0 ] && [ $((100 * killed)) -ge $((95 * counted)) ]
