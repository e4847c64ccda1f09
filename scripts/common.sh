# Shared by run.sh and test.sh: installs what is missing, builds, lays out the
# program folder and prepares the Wine prefix inside the build tree.
# Source it from the top of the work tree.

ROOT=$(pwd)
BUILD_WIN=$ROOT/build/win
BUILD_HOST=$ROOT/build/host
BUILD_FUZZ=$ROOT/build/fuzz
PROGRAM_DIR=$BUILD_WIN/program
export WINEPREFIX=$BUILD_WIN/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs in our prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES="cmake make g++ clang libclang-rt-14-dev googletest g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth x11-utils fonts-ipafont-gothic fonts-ipafont-mincho imagemagick"

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

# A registry file for regedit must be UTF-16LE with a byte-order mark.
write_font_replacements() {
    local reg=$1
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
            # Without a window manager (Xvfb), Wine's own window frames: no waiting
            # for a manager that never answers when a window is shown or hidden.
            printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
            printf '"Managed"="N"\r\n'
        } | iconv -f UTF-8 -t UTF-16LE
    } >"$reg"
}

# The prefix is made once; its registry settings are applied again whenever they change.
prepare_wine_prefix() {
    local reg=$BUILD_WIN/wine-settings.reg
    mkdir -p "$BUILD_WIN"
    write_font_replacements "$reg"
    if [ ! -f "$WINEPREFIX/.zirere-ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
    fi
    if ! cmp -s "$reg" "$WINEPREFIX/.zirere-ready"; then
        wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
        wineserver -w
        cp "$reg" "$WINEPREFIX/.zirere-ready"
    fi
}
