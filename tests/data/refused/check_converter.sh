#!/bin/sh
# Runs the data converter on the shipped sources with one sample-journal line
# replaced, and passes when the converter refuses it with the expected reason.
#   check_converter.sh <converter> <source folder> <line> <expected text>
set -u
converter=$1 sources=$2 line=$3 expected=$4
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
mkdir "$work/src" "$work/out"
cp "$sources/account_dictionary.txt" "$sources/hint_examples.txt" "$work/src/"
grep -v '^2024/01/0[12] ' "$sources/sample_journal.txt" >"$work/src/sample_journal.txt"
printf '%s\n' "$line" >>"$work/src/sample_journal.txt"
if "$converter" "$work/src" "$work/out" sample.siz >"$work/log" 2>&1; then
    echo "the converter took: $line"
    exit 1
fi
grep -q -- "$expected" "$work/log" || { cat "$work/log"; exit 1; }
echo "refused: $(cat "$work/log")"
