#!/usr/bin/env bash
# Builds the benchmark program for Windows and runs it under Wine: a generated
# year of 20,000 journal entries is written through the program's own writer,
# then each action is timed several times and its median printed.
#   scripts/bench.sh [runs] [entries]
# ZIRERE_BENCH_BUILD names another build folder than build/win (with its own
# Wine prefix inside it). ZIRERE_CPU names the processor Wine's server and the
# program share (wine_processor in common.sh), or "any" to let them run on any.
set -u
cd "$(dirname "$0")/.."
. scripts/common.sh

RUNS=${1:-9}
ENTRIES=${2:-20000}
if [ -n "${ZIRERE_BENCH_BUILD:-}" ]; then
    BUILD_WIN=$ZIRERE_BENCH_BUILD
    export WINEPREFIX=$BUILD_WIN/wineprefix
fi

ensure_packages
cmake -S "$ROOT" -B "$BUILD_WIN" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$BUILD_WIN" -j "$JOBS" --target zirere_bench 2>&1 | grep -E 'error|warning:|Error'
[ "${PIPESTATUS[0]}" = 0 ] || { echo "The benchmark's build failed." >&2; exit 1; }
prepare_wine_prefix

OUT=$BUILD_WIN/bench-out
rm -rf "$OUT"
mkdir -p "$OUT"

# Wine's server and the program share one processor (wine_processor); the X
# server stays free.
PIN_CPU=$(wine_processor)
if [ -n "$PIN_CPU" ]; then
    echo "Wine's server and the program run on processor $PIN_CPU (ZIRERE_CPU=any: on any)."
else
    echo "Wine's server and the program run on any processor."
fi

# One wineserver for the whole run; the program starts once alone before the
# timed one, so that Wine's own start-up is not in its way. The program writes
# the year as a plain-text journal beside the balances it computed; its windows
# are drawn on a virtual display.
PIN_CPU=$PIN_CPU xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    if [ -n "$PIN_CPU" ]; then taskset -cp "$PIN_CPU" $$ >/dev/null || exit 1; fi
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1
    wine "$0" --entries "$1" --runs "$2" --out "$3"
    rc=$?
    wineserver -k
    exit $rc' "$BUILD_WIN/bench/zirere_bench.exe" "$ENTRIES" "$RUNS" "Z:${OUT//\//\\}"
status=$?
[ $status = 0 ] || exit $status

# ledger must give the program's balances.
ledger -f "$OUT/year.ledger" balance --flat --no-total --balance-format '%(account)\t%(display_total)\n' \
    | sed 's/^ *//; s/\t */\t/' | awk -F'\t' '$2 != 0' | LC_ALL=C sort >"$OUT/ledger-balances.txt"
LC_ALL=C sort "$OUT/balances.txt" >"$OUT/our-balances.txt"
if cmp -s "$OUT/ledger-balances.txt" "$OUT/our-balances.txt"; then
    echo "ledger gives the program's balances of all $(wc -l <"$OUT/our-balances.txt") accounts: yes"
else
    echo "ledger gives the program's balances: NO (ours left, ledger right)"
    diff "$OUT/our-balances.txt" "$OUT/ledger-balances.txt" | head -20
    exit 1
fi

# ledger balance as a whole process, median of the runs after a warm-up.
times=()
for i in $(seq 0 "$RUNS"); do
    start=$(date +%s%N)
    ledger -f "$OUT/year.ledger" balance >/dev/null || exit 1
    end=$(date +%s%N)
    [ "$i" = 0 ] || times+=($(( (end - start) / 1000 )))
done
ledger_ms=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "%.1f", a[int((NR + 1) / 2)] / 1000 }')
ours_ms=$(cat "$OUT/figures_ms.txt")
awk -v l="$ledger_ms" -v o="$ours_ms" 'BEGIN {
    r = l / o
    printf "ledger -f year.ledger balance: %.1f ms (median); the program'\''s load + totals + trial balance: %.1f ms\n", l, o
    printf "ledger takes %.1f times as long (target: at least 12)%s\n", r, r < 12 ? " MISSED" : ""
}'
