#!/usr/bin/env bash
# Runs every libFuzzer harness of tests/fuzz over its checked-in seed corpus for a while and
# prints the executions of each. CI runs it for a minute in all; run it longer by hand:
#   tools/fuzz/run.sh [seconds per harness, default 600] [harness ...]
# Inputs the fuzzer finds go to build-fuzz/corpus/<harness>/, never into the checked-in seeds.
# A crash or a broken invariant leaves its input and log in build-fuzz/findings/ and makes the
# script fail; reproduce it with build-fuzz/tests/fuzz/fuzz_<harness> <input file>.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-600}
shift || true
scripts/setup.sh
if [[ ! -f build-fuzz/CMakeCache.txt ]]; then
    cmake --preset fuzz
fi
cmake --build --preset fuzz

harnesses=("$@")
if ((${#harnesses[@]} == 0)); then
    for seeds in tests/fuzz/corpus/*/; do
        harnesses+=("$(basename "$seeds")")
    done
fi

mkdir -p build-fuzz/findings
failed=0
for harness in "${harnesses[@]}"; do
    harness=${harness#fuzz_} # the executable's name names its harness too
    corpus=build-fuzz/corpus/$harness
    log=build-fuzz/findings/$harness.log
    mkdir -p "$corpus"
    # Leak checks stay off: Qt's process-wide caches and our singletons live until exit.
    if build-fuzz/tests/fuzz/fuzz_"$harness" -max_total_time="$seconds" -detect_leaks=0 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$harness-" \
        "$corpus" "tests/fuzz/corpus/$harness" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        printf '%-18s %12s executions in %s s\n' "$harness" "$runs" "$seconds"
    else
        printf '%-18s FAILED, see %s\n' "$harness" "$log"
        tail -n 40 "$log"
        failed=1
    fi
done
exit $failed
