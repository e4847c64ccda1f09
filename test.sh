#!/usr/bin/env bash
# Sets up what is missing, builds the host and Windows trees and runs every test:
# portable tests natively under the sanitizers, the same and the window tests
# under Wine on a virtual display, and a short fuzzing run of every file reader.
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
start_test_printer
# Drive Z: is the root of the Linux file system (no winepath here: it would start
# a wineserver without the virtual display).
export GTEST_OUTPUT="xml:Z:${RESULTS//\//\\}\\win\\"
ctest_under_wine -j "$JOBS" --timeout 300 --output-on-failure >"$RESULTS/win.log" 2>&1 || status=1
unset GTEST_OUTPUT
stop_test_printer
tail -n 4 "$RESULTS/win.log"

# Every reader of the program's files has a fuzz target and a starting corpus in the
# repository: the corpus is replayed, then the target is fuzzed for its share of
# FUZZ_SECONDS, adding what it finds to a working corpus in the build tree. A
# fuzzer stops about a second after its time is up: that second is part of its share.
tests_status=$status
FUZZ_TARGETS="journal_records dictionary_records old_journal settings_file last_file_record record_csv dictionary_csv
    dictionary_csv_round_trip"
fuzz_count=$(echo $FUZZ_TARGETS | wc -w)
fuzz_share=$(( FUZZ_SECONDS / fuzz_count > 1 ? FUZZ_SECONDS / fuzz_count - 1 : 1 ))
echo "== Fuzzing the file readers for about ${FUZZ_SECONDS}s ($fuzz_count targets)"
fuzz_passed=0
fuzz_failed=0
for target in $FUZZ_TARGETS; do
    fuzzer=$BUILD_FUZZ/tests/fuzz/fuzz_$target
    samples=$ROOT/tests/fuzz/corpus/$target
    mkdir -p "$BUILD_FUZZ/corpus/$target"
    if {
        "$fuzzer" -runs=0 -artifact_prefix="$RESULTS/fuzz_$target-" "$samples" &&
            "$fuzzer" -max_total_time="$fuzz_share" -print_final_stats=0 -artifact_prefix="$RESULTS/fuzz_$target-" \
                "$BUILD_FUZZ/corpus/$target" "$samples"
    } >"$RESULTS/fuzz_$target.log" 2>&1; then
        fuzz_passed=$((fuzz_passed + 1))
        echo "$target: no crash"
    else
        fuzz_failed=$((fuzz_failed + 1))
        status=1
        echo "$target: FAILED (input saved as $RESULTS/fuzz_$target-*)"
        tail -n 30 "$RESULTS/fuzz_$target.log"
    fi
done

# Failed runs are shown in full.
[ $status = 0 ] || grep -a -E '^\[  FAILED  \]|Failure$|ERROR|\*\*\*' "$RESULTS/host.log" "$RESULTS/win.log" | head -n 60

# Count test cases from the reports, plus one per fuzz target; a test program that
# crashed before writing its report counts as one failure.
read passed failed < <(
    {
        cat "$RESULTS"/host/*.xml "$RESULTS"/win/*.xml 2>/dev/null | grep -a -o '<testsuites [^>]*>'
    } | awk '
        { t = $0; sub(/.*tests="/, "", t); sub(/".*/, "", t)
          f = $0; sub(/.*failures="/, "", f); sub(/".*/, "", f)
          d = $0; sub(/.*disabled="/, "", d); sub(/".*/, "", d)
          tests += t; failures += f; disabled += d }
        END { print tests - failures - disabled, failures + 0 }')
crashed=$(grep -a -h -c -E 'Exception:|\(Child aborted\)|\*\*\*Failed +[0-9.]+ sec$' "$RESULTS/host.log" "$RESULTS/win.log" | awk '{s+=$1} END {print s+0}')
[ "$tests_status" = 0 ] || [ "$failed" != 0 ] || failed=$((crashed > 0 ? crashed : 1))
passed=$((passed + fuzz_passed))
failed=$((failed + fuzz_failed))
echo "$passed passed, $failed failed"
exit $status
