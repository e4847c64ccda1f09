#!/usr/bin/env bash
# Builds the Windows tree and runs the window tests under Wine on a virtual
# display with ZIRERE_SHOTS set: the tests leave pictures of the forms, dialogs
# and printed pages they drive in build/shots, turned into PNG files for a
# person to look at. Nothing is judged here; ./test.sh runs the same tests.
#   scripts/shots.sh [ctest name pattern]
set -u
cd "$(dirname "$0")/.."
. scripts/common.sh

PATTERN=${1:-.}
SHOTS=$ROOT/build/shots
rm -rf "$SHOTS"
mkdir -p "$SHOTS"

ensure_packages
build_win
prepare_wine_prefix

export ZIRERE_SHOTS="Z:${SHOTS//\//\\}"
# One test program at a time: the pictures are taken from the screen.
ctest_under_wine -j 1 --timeout 300 -R "$PATTERN" >/dev/null

for picture in "$SHOTS"/*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
echo "$(ls "$SHOTS" | wc -l) pictures in $SHOTS"
