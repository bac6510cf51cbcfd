#!/bin/sh
# The libFuzzer targets of fuzz/: built with clang in a folder of their own, then each one run
# for FUZZ_SECONDS (default 60) on a copy of its seed corpus. Fails when a target crashes, hangs
# or finds a broken property; the input that did it is left in <build>/fuzz-artifacts/.
#   tools/fuzz.sh [build|run|all]     (default all)
# FUZZ_BUILD names the build folder (build-fuzz), FUZZ_TARGETS the targets to run (all).
set -eu
cd "$(dirname "$0")/.."

step=${1:-all}
BUILD=${FUZZ_BUILD:-build-fuzz}
SECONDS_EACH=${FUZZ_SECONDS:-60}
TARGETS=${FUZZ_TARGETS:-"formats csv connstring barcode news version"}

build() {
    if [ ! -f "$BUILD/build.ninja" ]; then
        CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DQUARZIL_FUZZ=ON
    fi
    cmake --build "$BUILD" -j "$(nproc)"
}

run() {
    failed=""
    summary=""
    mkdir -p "$BUILD/fuzz-artifacts"
    for t in $TARGETS; do
        exe="$BUILD/fuzz/fuzz_$t"
        corpus="$BUILD/fuzz-corpus/$t"
        log="$BUILD/fuzz-artifacts/$t.log"
        mkdir -p "$corpus"
        # The seeds join what earlier runs found; the repository's corpus is never written.
        cp fuzz/corpus/"$t"/* "$corpus"/
        # A fixed seed (FUZZ_SEED) makes a run take the same path again; how far it gets in the
        # time given depends on the machine.
        set -- -max_total_time="$SECONDS_EACH" -seed="${FUZZ_SEED:-1}" -rss_limit_mb=2048 -timeout=10 \
            -artifact_prefix="$BUILD/fuzz-artifacts/$t-" -print_final_stats=1
        if [ -f "fuzz/dict/$t.dict" ]; then
            set -- "$@" -dict="fuzz/dict/$t.dict"
        fi
        echo "== fuzz_$t: $SECONDS_EACH s"
        status=0
        "$exe" "$@" "$corpus" >"$log" 2>&1 || status=$?
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
        cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
        ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
        line="fuzz_$t: ${runs:-?} executions, coverage ${cov:-?} edges, ${ft:-?} features, corpus $(ls "$corpus" | wc -l) inputs"
        if [ "$status" -ne 0 ]; then
            line="$line, FAILED (exit $status)"
            failed="$failed $t"
            grep -E 'property failed|ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -n 20 || true
        fi
        echo "$line"
        summary="$summary$line
"
    done
    echo "== summary"
    printf '%s' "$summary"
    if [ -n "$failed" ]; then
        echo "Failed:$failed (inputs and logs in $BUILD/fuzz-artifacts/)" >&2
        return 1
    fi
}

case "$step" in
build) build ;;
run) run ;;
all) build && run ;;
*)
    echo "usage: $0 [build|run|all]" >&2
    exit 2
    ;;
esac
