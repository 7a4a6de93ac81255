#!/bin/sh
# A heavy pupil's history (a million reviews of 20,000 cards in two machines'
# files) read and replayed in a fresh process, with the due list, next to
# `wc -l` on the same files; then appending one review.
# Usage: measure_history.sh <build dir> [reviews] [cards]
set -eu
build=${1:?usage: measure_history.sh <build dir> [reviews] [cards]}
reviews=${2:-1000000}
cards=${3:-20000}
tool="$build/bench/history_replay_rss"
folder=$(mktemp -d "${TMPDIR:-/tmp}/korvan-history-XXXXXX")
trap 'rm -rf "$folder"' EXIT

"$tool" --generate "$reviews" "$cards" "$folder"
du -sh "$folder"
cat "$folder"/*.jsonl > /dev/null # in the page cache, as wc -l will find it too
for run in 1 2 3; do
    "$tool" "$folder"
done
if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "time -v: peak RSS %M KB, elapsed %e s" "$tool" "$folder" > /dev/null
fi
for run in 1 2 3; do
    start=$(date +%s%N)
    wc -l "$folder"/*.jsonl > /dev/null
    end=$(date +%s%N)
    echo "wc -l: $(( (end - start) / 1000000 )) ms"
done
"$build/bench/bench_history_append" --benchmark_min_time=0.2
