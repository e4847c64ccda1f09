#!/usr/bin/env bash
# Sets up what is missing, builds the host and Windows trees and runs every test:
# portable tests natively under the sanitizers, the same and the window tests
# under Wine on a virtual display, and a short fuzzing run of the archive reader.
# Ends with a line "N passed, N failed".
set -u
cd "$(dirname "$0")"
. scripts/common.sh

FUZZ_SECONDS=${FUZZ_SECONDS:-20}
RESULTS=$ROOT/build/results
rm -rf "$RESULTS"
mkdir -p "$RESULTS/host" "$RESULTS/win"

ensure_packages
build_host
build_win
build_fuzz
prepare_wine_prefix

status=0

echo "== Host tests (AddressSanitizer, UBSan)"
GTEST_OUTPUT="xml:$RESULTS/host/" ctest --test-dir "$BUILD_HOST" -j "$JOBS" --output-on-failure \
    >"$RESULTS/host.log" 2>&1 || status=1
tail -n 4 "$RESULTS/host.log"

echo "== Windows tests under Wine"
# Drive Z: is the root of the Linux file system (no winepath here: it would start
# a wineserver without the virtual display).
export GTEST_OUTPUT="xml:Z:${RESULTS//\//\\}\\win\\"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    # The first program of a new wineserver starts its services and desktop;
    # programs started together with it can stall, so one runs alone first.
    wine cmd /c exit
    ctest --test-dir "$0" -j "$1" --timeout 300 --output-on-failure
    rc=$?
    wineserver -k
    exit $rc' "$BUILD_WIN" "$JOBS" >"$RESULTS/win.log" 2>&1 || status=1
unset GTEST_OUTPUT
tail -n 4 "$RESULTS/win.log"

echo "== Fuzzing the archive reader for ${FUZZ_SECONDS}s"
mkdir -p "$BUILD_FUZZ/corpus"
fuzz_failed=0
if "$BUILD_FUZZ/tests/fuzz/fuzz_archive_reader" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 \
    "$BUILD_FUZZ/corpus" >"$RESULTS/fuzz.log" 2>&1; then
    echo "no crash"
else
    fuzz_failed=1
    status=1
    tail -n 30 "$RESULTS/fuzz.log"
fi

# Failed runs are shown in full.
[ $status = 0 ] || grep -a -E '^\[  FAILED  \]|Failure$|ERROR|\*\*\*' "$RESULTS/host.log" "$RESULTS/win.log" | head -n 60

# Count test cases from the reports, plus the fuzzing run; a test program that
# crashed before writing its report counts as one failure.
read passed failed < <(
    {
        cat "$RESULTS"/host/*.xml "$RESULTS"/win/*.xml 2>/dev/null | grep -a -o '<testsuites [^>]*>'
    } | awk -v fuzz="$fuzz_failed" '
        { t = $0; sub(/.*tests="/, "", t); sub(/".*/, "", t)
          f = $0; sub(/.*failures="/, "", f); sub(/".*/, "", f)
          d = $0; sub(/.*disabled="/, "", d); sub(/".*/, "", d)
          tests += t; failures += f; disabled += d }
        END { passed = tests - failures - disabled + (fuzz ? 0 : 1); print passed, failures + fuzz }')
crashed=$(grep -a -h -c -E 'Exception:|\(Child aborted\)|\*\*\*Failed +[0-9.]+ sec$' "$RESULTS/host.log" "$RESULTS/win.log" | awk '{s+=$1} END {print s+0}')
[ "$status" = 0 ] || [ "$failed" != 0 ] || failed=$((crashed > 0 ? crashed : 1))
echo "$passed passed, $failed failed"
exit $status
