#!/bin/sh
# korvan-report on a generated 100 MB class log, both outputs at once: time and
# peak memory (from /usr/bin/time), next to `cat` and `wc -l` of the same file.
# Usage: report_speed.sh <build dir> [megabytes]
set -eu
build=${1:?usage: report_speed.sh <build dir> [megabytes]}
megabytes=${2:-100}
work=$(mktemp -d "${TMPDIR:-/tmp}/korvan-report-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$build/bench/report_log" "$work/Log.txt" "$megabytes"
echo "log: $(wc -c < "$work/Log.txt") bytes, $(wc -l < "$work/Log.txt") lines"
cat "$work/Log.txt" > /dev/null # in the page cache for every run below
for run in 1 2 3; do
    /usr/bin/time -f "cat:   %e s, peak RSS %M KB" cat "$work/Log.txt" > /dev/null
    /usr/bin/time -f "wc -l: %e s, peak RSS %M KB" wc -l "$work/Log.txt" > /dev/null
    /usr/bin/time -f "korvan-report --html --csv: %e s (%U s user, %S s sys), peak RSS %M KB" \
        "$build/korvan/korvan-report" "$work/Log.txt" --html "$work/r.html" --csv "$work/r.csv"
done
echo "page: $(wc -c < "$work/r.html") bytes, table: $(wc -l < "$work/r.csv") rows"
