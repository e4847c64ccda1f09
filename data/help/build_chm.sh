#!/bin/sh
# Compiles one help document: build_chm.sh <source folder> <style sheet> <output .chm>
# The sources are UTF-8; the Windows help viewer reads the pages, the contents and
# the project's title in the Japanese code page, so each is converted to
# Shift-JIS (code page 932) and its declared character set changed to match.
# A character that has no Shift-JIS form stops the build.
set -eu
source_dir=$1
style=$2
output=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

to_shift_jis() {
    sed 's/charset=utf-8/charset=Shift_JIS/I' "$1" | iconv -f UTF-8 -t CP932 >"$2" || {
        echo "$1: text that has no Shift-JIS form" >&2
        exit 1
    }
}

cp "$style" "$work/style.css"
files="style.css"
for source in "$source_dir"/*.htm "$source_dir"/*.hhc; do
    [ -f "$source" ] || continue
    name=$(basename "$source")
    to_shift_jis "$source" "$work/$name"
    case $name in *.htm) files="$files $name" ;; esac
done
to_shift_jis "$source_dir/project.hhp" "$work/project.hhp"
{
    printf '\r\n[FILES]\r\n'
    for name in $files; do printf '%s\r\n' "$name"; done
} >>"$work/project.hhp"

compiled=$(sed -n 's/^Compiled file=\([^\r]*\).*/\1/p' "$work/project.hhp")
(cd "$work" && chmcmd --verbosity 1 project.hhp >compile.log 2>&1) || {
    cat "$work/compile.log" >&2
    exit 1
}
if [ ! -s "$work/$compiled" ]; then
    cat "$work/compile.log" >&2
    echo "$source_dir: no $compiled was made" >&2
    exit 1
fi
mkdir -p "$(dirname "$output")"
mv "$work/$compiled" "$output"
