#!/bin/sh
# Reads a generated Anki package of 20,000 notes with 20,000 recordings in a
# fresh process, three times, and reports time and peak memory against the
# package's size, with the machine's floor (reading the file and listing the
# zip) measured in the same run. Usage: measure_anki_import.sh <build dir> [notes]
set -eu
build=${1:?usage: measure_anki_import.sh <build dir> [notes]}
notes=${2:-20000}
reader="$build/bench/anki_import_rss"
file=$(mktemp "${TMPDIR:-/tmp}/korvan-anki-XXXXXX.apkg")
trap 'rm -f "$file"' EXIT

"$reader" --generate "$notes" "$file"
cat "$file" > /dev/null # in the page cache
for run in 1 2 3; do
    "$reader" "$file"
done
