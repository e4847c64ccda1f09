#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program in its program folder
# on the current display.
set -u
cd "$(dirname "$0")"
. scripts/common.sh

ensure_packages
build_win

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: set DISPLAY (or run under xvfb-run) to see the program." >&2
    exit 1
fi
# On a desktop its window manager frames the program's windows like every other
# program's; on a bare display (Xvfb) Wine draws the frames itself, as in the tests.
if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    prepare_wine_prefix Y
else
    prepare_wine_prefix N
fi
cd "$PROGRAM_DIR" || exit 1

# ZIRERE_FONT_SIZE preselects the size in the launcher: it becomes line 3 of the
# settings file, whose lines 1 and 2 (the program's own) are kept as they are.
preselect_font_size() {
    {
        if [ -f vozare.ino ]; then
            LC_ALL=C awk 'NR <= 2 { sub(/\r$/, ""); printf "%s\r\n", $0 }
                END { for (i = NR; i < 2; i++) printf "\r\n" }' vozare.ino
        else
            printf '\r\n\r\n'
        fi
        printf '%s' "$1"
    } >vozare.ino.run~ && mv vozare.ino.run~ vozare.ino
}
case "${ZIRERE_FONT_SIZE:-}" in
    "") ;;
    9 | 10 | 11 | 12 | 14) preselect_font_size "$ZIRERE_FONT_SIZE" ;;
    *) echo "ZIRERE_FONT_SIZE must be 9, 10, 11, 12 or 14." >&2; exit 1 ;;
esac
# The launcher checks the set-up files, offers the size and starts the build for
# it; the program and its Wine server share one processor (see wine_processor).
cpu=$(wine_processor)
if [ -n "$cpu" ]; then
    exec taskset -c "$cpu" wine ostavo.exe
fi
exec wine ostavo.exe
