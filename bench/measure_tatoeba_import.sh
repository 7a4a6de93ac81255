#!/bin/sh
# Imports a generated Tatoeba export of a million sentences in a fresh process
# and reports time and peak memory, next to the machine's floor on the same
# files: `wc -l` reading them. Usage: measure_tatoeba_import.sh <build dir> [sentences]
set -eu
build=${1:?usage: measure_tatoeba_import.sh <build dir> [sentences]}
sentences=${2:-1000000}
importer="$build/bench/tatoeba_import_rss"
work=$(mktemp -d "${TMPDIR:-/tmp}/korvan-tatoeba-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$importer" --generate "$sentences" "$work/export"
cat "$work"/export/* > /dev/null # in the page cache, as wc -l will find them too
for run in 1 2 3; do
    rm -rf "$work/out" && mkdir "$work/out"
    "$importer" "$work/export" "$work/out"
done
for run in 1 2 3; do
    start=$(date +%s%N)
    wc -l "$work"/export/* > /dev/null
    end=$(date +%s%N)
    echo "wc -l: $(( (end - start) / 1000000 )) ms"
done
