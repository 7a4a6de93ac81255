#!/usr/bin/env bash
# Start-up time and idle CPU of the trainer under Xvfb.
#
#   bench/startup.sh BUILD_DIR [RUNS]
#
# Start-up: from just before exec to the first paint of the main window with
# the sample lesson open (the program prints it and closes when
# KORVAN_STARTUP_PROBE_T0 holds the launch time), against a bare Qt window of
# the same size measured the same way, alternating, a fresh process each run;
# medians. Idle CPU: the trainer waiting for a key for 10 s, with the lesson
# open and then in the middle of a question, from /proc/PID/stat.
set -euo pipefail

build=$(cd "$1" && pwd)
runs=${2:-11}
if [ -z "${KORVAN_BENCH_INSIDE:-}" ]; then
    export KORVAN_BENCH_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prog=$work/korvan
mkdir -p "$prog"
cp -r "$build/korvan/korvan" "$build/korvan/Time.ini" "$build/korvan/Modes.ini" \
    "$build/korvan/fonts" "$build/korvan/lessons" "$prog/"
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

probe() {
    KORVAN_STARTUP_PROBE_T0=$(date +%s%N) "$@"
}
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

# One warm-up of each, not counted: the first start also loads the fonts' caches.
probe "$prog/korvan" lessons/everyday/everyday.sl2 >/dev/null
probe "$build/bench/qt/bare_window" >/dev/null
: >"$work/korvan.ms"
: >"$work/bare.ms"
for _ in $(seq "$runs"); do
    probe "$prog/korvan" lessons/everyday/everyday.sl2 >>"$work/korvan.ms"
    probe "$build/bench/qt/bare_window" >>"$work/bare.ms"
done
k=$(median <"$work/korvan.ms")
b=$(median <"$work/bare.ms")
echo "start-up to first paint, median of $runs: korvan $k ms, bare window $b ms," \
    "ratio $(awk -v k="$k" -v b="$b" 'BEGIN {printf "%.2f", k / b}')"
echo "  korvan runs: $(tr '\n' ' ' <"$work/korvan.ms")"
echo "  bare runs:   $(tr '\n' ' ' <"$work/bare.ms")"

# Idle CPU: user + system clock ticks over 10 s.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
cpu_percent() { # pid, seconds
    local before after
    before=$(cpu_ticks "$1")
    sleep "$2"
    after=$(cpu_ticks "$1")
    awk -v d=$((after - before)) -v s="$2" -v hz="$(getconf CLK_TCK)" \
        'BEGIN {printf "%.2f", d * 100 / (s * hz)}'
}
printf '[Main]\r\nUseTime=1\r\nSpeed=20\r\nUseTextInput=1\r\n' >"$prog/Korvan.ini"
(cd "$prog" && exec ./korvan lessons/everyday/everyday.sl2) &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --class korvan | head -n 1)
sleep 1
echo "idle CPU, lesson open: $(cpu_percent "$pid" 10) %"
xdotool windowfocus --sync "$window" key F4
sleep 2
echo "idle CPU, thinking (a typed answer, 60 s and more): $(cpu_percent "$pid" 10) %"
kill "$pid"
wait "$pid" 2>/dev/null || true
