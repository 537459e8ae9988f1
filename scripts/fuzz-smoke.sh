#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a while (60 s unless told
# otherwise) over a copy of its seed corpus, so the repository is never written to. Fails on any
# crash, sanitizer report, leak, time-out or broken invariant; the input that failed is kept in
# build/fuzz/artifacts. Skips, saying so, only when clang cannot be installed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/install-deps.sh clang libclang-rt-14-dev || true
if ! command -v clang++ >/dev/null 2>&1; then
    echo "== fuzz smoke skipped: clang++ is not installed and could not be installed"
    exit 0
fi

cmake --preset fuzz
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p build/fuzz/artifacts
for target in fuzz_game_set_loader fuzz_template_matcher fuzz_config_script_reader \
    fuzz_config_round_trip fuzz_game_reading; do
    corpus=${target#fuzz_}
    mkdir -p "$work/$corpus"
    cp fuzz/corpus/"$corpus"/* "$work/$corpus/"
    options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10
        -artifact_prefix=build/fuzz/artifacts/"$target"-)
    case $target in
        fuzz_game_set_loader) options+=(-dict=fuzz/game_set.dict) ;;
        fuzz_template_matcher) options+=(-dict=fuzz/template.dict) ;;
        fuzz_game_reading) options+=(-dict=fuzz/game_reading.dict) ;;
        *) options+=(-dict=fuzz/config_script.dict) ;;
    esac
    echo "== fuzz $target for $seconds s"
    if ! build/fuzz/bin/"$target" "${options[@]}" "$work/$corpus" >"$work/$target.log" 2>&1; then
        tail -n 60 "$work/$target.log"
        echo "== $target FAILED; the input is in build/fuzz/artifacts"
        exit 1
    fi
    # The last status line (executions, coverage) and the run's totals.
    grep -E '^#[0-9]+' "$work/$target.log" | tail -n 1
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$target.log"
done
