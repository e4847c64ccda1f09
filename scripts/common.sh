# Shared by run.sh and test.sh: installs what is missing, builds, lays out the
# program folder and prepares the Wine prefix inside the build tree.
# Source it from the top of the work tree.

ROOT=$(pwd)
BUILD_WIN=$ROOT/build/win
BUILD_HOST=$ROOT/build/host
BUILD_FUZZ=$ROOT/build/fuzz
PROGRAM_DIR=$BUILD_WIN/program
export WINEPREFIX=$BUILD_WIN/wineprefix
# The tests run in a Wine prefix of their own: what they leave in its registry
# (the recent-file list, printer settings) never shows in the program run.sh starts.
TEST_WINEPREFIX=$BUILD_WIN/testprefix
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs in our prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES="cmake make g++ clang libclang-rt-14-dev googletest g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth x11-utils fonts-ipafont-gothic fonts-ipafont-mincho imagemagick
  cups printer-driver-cups-pdf poppler-utils fp-utils p7zip-full fonts-wine ledger"

ensure_packages() {
    local missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq $missing >/dev/null || {
            echo "apt-get could not install:$missing" >&2
            exit 1
        }
    else
        echo "Please install these packages first (as root): apt-get install$missing" >&2
        exit 1
    fi
}

build_win() {
    cmake -S "$ROOT" -B "$BUILD_WIN" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
    cmake --build "$BUILD_WIN" -j "$JOBS" 2>&1 | grep -E 'error|warning:|Error' ; 
    [ "${PIPESTATUS[0]}" = 0 ] || { echo "The Windows build failed." >&2; exit 1; }
}

build_host() {
    cmake -S "$ROOT" -B "$BUILD_HOST" -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
    cmake --build "$BUILD_HOST" -j "$JOBS" 2>&1 | grep -E 'error|warning:|Error' ;
    [ "${PIPESTATUS[0]}" = 0 ] || { echo "The host build failed." >&2; exit 1; }
}

build_fuzz() {
    CXX=clang++ cmake -S "$ROOT" -B "$BUILD_FUZZ" -DZIRERE_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
    cmake --build "$BUILD_FUZZ" -j "$JOBS" 2>&1 | grep -E 'error|warning:|Error' ;
    [ "${PIPESTATUS[0]}" = 0 ] || { echo "The fuzz build failed." >&2; exit 1; }
}

# Each call into Wine's windowing is a request to Wine's server process and a
# wait for its answer. With the two on different processors every answer waits
# for the other processor to wake: on a virtual machine 10 to 190 µs a request
# instead of the 4 µs it takes on one, most of the time of a book switch. So the
# program and its Wine server share one processor: the last one this script may
# run on (a container may allow only some), the one ZIRERE_CPU names, or any with
# ZIRERE_CPU=any. Prints that processor, or nothing for any.
wine_processor() {
    local cpu=${ZIRERE_CPU:-}
    [ -n "$cpu" ] || cpu=$(awk '/^Cpus_allowed_list:/ { n = split($2, p, /[-,]/); print p[n] }' /proc/self/status)
    [ -n "$cpu" ] || cpu=$(( $(nproc) - 1 ))
    [ "$cpu" = any ] || echo "$cpu"
}

# A registry file for regedit must be UTF-16LE with a byte-order mark. The second
# argument says whether a window manager frames the program's windows (Y) or Wine
# draws the frames itself (N).
write_font_replacements() {
    local reg=$1 managed=$2
    {
        printf '\xff\xfe'
        {
            printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
            printf '"ＭＳ ゴシック"="IPAGothic"\r\n'
            printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n'
            printf '"ＭＳ 明朝"="IPAMincho"\r\n'
            printf '"ＭＳ Ｐ明朝"="IPAPMincho"\r\n'
            printf '"MS Gothic"="IPAGothic"\r\n'
            printf '"MS PGothic"="IPAPGothic"\r\n'
            printf '"MS Mincho"="IPAMincho"\r\n'
            printf '"MS PMincho"="IPAPMincho"\r\n'
            printf '"MS UI Gothic"="IPAPGothic"\r\n'
            printf '"MS Shell Dlg"="IPAPGothic"\r\n'
            printf '"MS Shell Dlg 2"="IPAPGothic"\r\n'
            printf '"Tahoma"="IPAPGothic"\r\n'
            printf '"MS Sans Serif"="IPAPGothic"\r\n'
            # Without a window manager (Xvfb, the tests), Wine's own window frames:
            # no waiting for a manager that never answers when a window is shown or
            # hidden. On a desktop, the desktop's manager frames them.
            printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
            printf '"Managed"="%s"\r\n' "$managed"
        } | iconv -f UTF-8 -t UTF-16LE
    } >"$reg"
}

# The prefix is made once; its registry settings are applied again whenever they
# change. The argument is Y when a window manager is to frame the windows (run.sh
# on a desktop), N for Wine's own frames (the tests, the default).
prepare_wine_prefix() {
    local reg=$BUILD_WIN/wine-settings.reg
    mkdir -p "$BUILD_WIN"
    write_font_replacements "$reg" "${1:-N}"
    if [ ! -f "$WINEPREFIX/.zirere-ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
    fi
    # Wine draws the caption buttons (minimize, maximize, close) with the Marlett
    # font; a prefix without it shows the letters "0", "1" and "r" instead.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    if ! cmp -s /usr/share/wine/fonts/marlett.ttf "$fonts/marlett.ttf"; then
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/marlett.ttf"
    fi
    if ! cmp -s "$reg" "$WINEPREFIX/.zirere-ready"; then
        wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
        wineserver -w
        cp "$reg" "$WINEPREFIX/.zirere-ready"
    fi
}

# A printer for the printing tests: a local print service with a PDF queue that
# Wine takes as its default printer, writing into $TEST_PRINT_DIR. Needs root
# (the service and its settings are the machine's). When it cannot be set up
# the reason is shown and ZIRERE_TEST_PRINT_DIR stays unset: the tests that
# need a printer skip and say why. stop_test_printer leaves the machine as it was.
TEST_PRINTER=ZirereTestPDF
TEST_PRINT_DIR=$ROOT/build/win/printed
CUPS_PDF_CONF=/etc/cups/cups-pdf.conf
TEST_CUPSD_PID=""
TEST_PRINTER_ADDED=""

# Runs ctest with the arguments given on the Windows tree under Wine, in the
# tests' own prefix, on a virtual display with a wineserver of its own; a crashing
# test program ends at once instead of waiting in Wine's crash dialog. Answers ctest's exit status.
ctest_under_wine() {
    WINEPREFIX=$TEST_WINEPREFIX prepare_wine_prefix N
    WINEPREFIX=$TEST_WINEPREFIX WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        wineserver -p
        # The first program of a new wineserver starts its services and desktop;
        # programs started together with it can stall, so one runs alone first.
        wine cmd /c exit
        ctest --test-dir "$0" "$@"
        rc=$?
        wineserver -k
        exit $rc' "$BUILD_WIN" "$@"
}

start_test_printer() {
    unset ZIRERE_TEST_PRINT_DIR
    if [ "$(id -u)" != 0 ]; then
        echo "No test printer: setting up the print service needs root; the tests that print skip."
        return 0
    fi
    if ! command -v cupsd >/dev/null || [ ! -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ]; then
        echo "No test printer: cups or printer-driver-cups-pdf is not installed; the tests that print skip."
        return 0
    fi
    mkdir -p "$TEST_PRINT_DIR"
    rm -f "$TEST_PRINT_DIR"/*.pdf
    if [ -f "$CUPS_PDF_CONF" ] && [ ! -f "$CUPS_PDF_CONF.zirere-saved" ]; then
        cp "$CUPS_PDF_CONF" "$CUPS_PDF_CONF.zirere-saved"
    fi
    sed -i "s|^#\{0,1\}Out .*|Out $TEST_PRINT_DIR|" "$CUPS_PDF_CONF" 2>/dev/null
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
        cupsd -f >"$BUILD_WIN/cupsd.log" 2>&1 &
        TEST_CUPSD_PID=$!
        for _ in $(seq 40); do
            lpstat -r 2>/dev/null | grep -q "is running" && break
            sleep 0.25
        done
    fi
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
        echo "No test printer: the print service did not start (see $BUILD_WIN/cupsd.log); the tests that print skip."
        stop_test_printer
        return 0
    fi
    if ! lpstat -p "$TEST_PRINTER" >/dev/null 2>&1; then
        lpadmin -p "$TEST_PRINTER" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1 &&
            TEST_PRINTER_ADDED=1
    fi
    if ! lpadmin -d "$TEST_PRINTER" >/dev/null 2>&1; then
        echo "No test printer: the PDF queue could not be added; the tests that print skip."
        stop_test_printer
        return 0
    fi
    export ZIRERE_TEST_PRINT_DIR=$TEST_PRINT_DIR
    echo "Test printer: $TEST_PRINTER, writing into $TEST_PRINT_DIR"
}

stop_test_printer() {
    if [ -n "$TEST_PRINTER_ADDED" ]; then
        lpadmin -x "$TEST_PRINTER" >/dev/null 2>&1
        TEST_PRINTER_ADDED=""
    fi
    if [ -n "$TEST_CUPSD_PID" ]; then
        kill "$TEST_CUPSD_PID" 2>/dev/null
        wait "$TEST_CUPSD_PID" 2>/dev/null
        TEST_CUPSD_PID=""
    fi
    if [ -f "$CUPS_PDF_CONF.zirere-saved" ]; then
        mv "$CUPS_PDF_CONF.zirere-saved" "$CUPS_PDF_CONF"
    fi
    unset ZIRERE_TEST_PRINT_DIR
}
