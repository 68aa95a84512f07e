# How each libFuzzer target is run, in one place for scripts/check.sh and scripts/campaign.sh (sourced).
# fuzz_targets: every target; fuzz_options TARGET: its libFuzzer options; fuzz_seeds TARGET: its seed
# folders, the corpus first (what the runs add is merged into it).
fuzz_targets=(numtext window touchstone cables analyser)

fuzz_options() {
    case $1 in
    numtext) echo "-timeout=10" ;;
    window) echo "-timeout=20 -rss_limit_mb=4096 -max_len=4096 -dict=fuzz/window.dict" ;;
    touchstone) echo "-timeout=10 -max_len=65536 -dict=fuzz/touchstone.dict" ;;
    cables) echo "-timeout=10 -max_len=65536 -dict=fuzz/cables.dict" ;;
    analyser) echo "-timeout=10 -max_len=8192 -dict=fuzz/analyser.dict" ;;
    *) echo "unknown fuzz target $1" >&2; return 2 ;;
    esac
}

fuzz_seeds() {
    case $1 in
    numtext) echo "fuzz/corpus/numtext" ;;
    window) echo "fuzz/corpus/window tests/scenarios" ;;
    touchstone) echo "fuzz/corpus/touchstone tests/touchstone" ;;
    cables) echo "fuzz/corpus/cables" ;;
    analyser) echo "fuzz/corpus/analyser" ;;
    *) echo "unknown fuzz target $1" >&2; return 2 ;;
    esac
}
