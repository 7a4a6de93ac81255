#!/bin/sh
# Opens a generated lesson of a million questions in a fresh process and
# reports time and peak memory (also from /usr/bin/time), next to `wc -l` on the
# same file. Usage: measure_lesson_load.sh <build dir> [questions]
set -eu
build=${1:?usage: measure_lesson_load.sh <build dir> [questions]}
questions=${2:-1000000}
loader="$build/bench/lesson_load_rss"
file=$(mktemp "${TMPDIR:-/tmp}/korvan-load-XXXXXX.sl2")
trap 'rm -f "$file"' EXIT

"$loader" --generate "$questions" "$file"
cat "$file" > /dev/null # in the page cache, as wc -l will find it too
for run in 1 2 3; do
    "$loader" "$file"
done
if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "time -v: peak RSS %M KB, elapsed %e s" "$loader" "$file" > /dev/null
fi
for run in 1 2 3; do
    start=$(date +%s%N)
    wc -l "$file" > /dev/null
    end=$(date +%s%N)
    echo "wc -l: $(( (end - start) / 1000000 )) ms"
done
