#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (the core instrumented
# with AddressSanitizer and UndefinedBehaviorSanitizer) and runs each one for
# a bounded time from a small corpus: the golden files of tests/data and the
# example scenes. A crash, a leak, a sanitizer report, an input slower than
# the per-input timeout or a memory use over the limit fails the run; the
# input that caused it is kept in build/fuzz/artefacts/.
#
# VANTREL_FUZZ_SECONDS sets the time of each target (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${VANTREL_FUZZ_SECONDS:-60}
build=build/fuzz
artefacts=$build/artefacts

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVANTREL_FUZZ=ON -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF \
    -DVANTREL_WERROR=ON "${launcher[@]}" >/dev/null

targets=()
for src in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$src" .cpp)")
done
cmake --build "$build" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artefacts"

status=0
for name in "${targets[@]}"; do
    # The scene targets share the scene file dictionary.
    dict=fuzz/$name.dict
    [ -f "$dict" ] || dict=fuzz/fuzz_lecture.dict
    corpus=$work/$name
    mkdir -p "$corpus"
    cp tests/data/*.vtl examples/*.vtl "$corpus/"
    echo "Fuzzing $name for ${seconds} s"
    # -timeout: seconds for one input; -rss_limit_mb: the whole process.
    if ! "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
        -dict="$dict" -artifact_prefix="$artefacts/$name-" -print_final_stats=1 \
        "$corpus" >"$work/$name.log" 2>&1; then
        echo "$name FAILED; the end of its output:"
        tail -n 60 "$work/$name.log"
        status=1
    else
        grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$name.log" || true
    fi
done
exit $status
