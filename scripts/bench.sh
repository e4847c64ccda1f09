#!/usr/bin/env bash
# Builds the benchmark program for Windows and runs it under Wine: a generated
# year of 20,000 journal entries is written through the program's own writer,
# then each action is timed several times and its median printed.
#   scripts/bench.sh [runs]
# ZIRERE_BENCH_BUILD names another build folder than build/win (with its own
# Wine prefix inside it).
set -u
cd "$(dirname "$0")/.."
. scripts/common.sh

RUNS=${1:-9}
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

# One wineserver for the whole run; the program starts once alone before the
# timed one, so that Wine's own start-up is not in its way.
wineserver -p
wine cmd /c exit >/dev/null 2>&1
wine "$BUILD_WIN/bench/zirere_bench.exe" "$RUNS"
status=$?
wineserver -k
exit $status
