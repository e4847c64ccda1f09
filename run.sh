#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program in its program folder
# on the current display.
set -u
cd "$(dirname "$0")"
. scripts/common.sh

ensure_packages
build_win
prepare_wine_prefix

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: set DISPLAY (or run under xvfb-run) to see the program." >&2
    exit 1
fi
size=${ZIRERE_FONT_SIZE:-12}
cd "$PROGRAM_DIR" && exec wine "tavrelbook_$size.exe"
