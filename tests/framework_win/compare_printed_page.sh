#!/bin/sh
# The page the test printer wrote (a PDF file) against the print preview's drawing
# of the same page, both left in the test output folder by the printing tests:
# most of the ink of each picture must lie on (or next to) ink of the other.
# Exit code 77 (skipped) when the printing tests had no printer to print on.
out=$1
pdf=$out/printed_pages.pdf
preview=$out/printed_page_preview.bmp
if [ ! -f "$pdf" ] || [ ! -f "$preview" ]; then
    echo "no printed page to compare: the printing tests ran without a test printer"
    exit 77
fi
for tool in pdfinfo pdftoppm convert; do
    command -v $tool >/dev/null || { echo "$tool is missing"; exit 1; }
done
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
size=$(pdfinfo "$pdf" | awk -F': *' '/^Page size:/ {print $2}')
echo "printed: $pages pages, $size"
[ "$pages" = 2 ] || { echo "expected 2 pages"; exit 1; }
case $size in *"(A4)"*) ;; *) echo "expected A4 paper"; exit 1 ;; esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pdftoppm -r 40 -f 1 -l 1 -png "$pdf" "$work/printed" || exit 1
geometry=$(convert "$preview" -format '%wx%h' info:)
# Ink in black on white, the printed page scaled to the preview's size.
convert "$work"/printed-*.png -resize "$geometry!" -colorspace Gray -threshold 60% "$work/a.png"
convert "$preview" -colorspace Gray -threshold 60% "$work/b.png"
# Ink grown by two pixels: small differences of rasterising are forgiven.
convert "$work/a.png" -negate -morphology Dilate Disk:2 -negate "$work/a-wide.png"
convert "$work/b.png" -negate -morphology Dilate Disk:2 -negate "$work/b-wide.png"
ink() { convert "$@" -format '%[fx:1-mean]' info:; }
ink_a=$(ink "$work/a.png")
ink_b=$(ink "$work/b.png")
a_on_b=$(ink "$work/a.png" "$work/b-wide.png" -compose Lighten -composite)
b_on_a=$(ink "$work/b.png" "$work/a-wide.png" -compose Lighten -composite)
echo "ink printed $ink_a, preview $ink_b; shared $a_on_b / $b_on_a"
awk -v a="$ink_a" -v b="$ink_b" -v ab="$a_on_b" -v ba="$b_on_a" 'BEGIN {
    if (a <= 0.001 || b <= 0.001) { print "a page without ink"; exit 1 }
    if (ab / a < 0.85 || ba / b < 0.85) { print "the pictures differ"; exit 1 }
    print "the printed page matches the preview"; exit 0 }'
