#!/usr/bin/env bash
# Start-up time and idle CPU of the trainer under Xvfb.
#
#   bench/startup.sh BUILD_DIR [RUNS]
#
# Start-up, two ways, each against a bare Qt window of the same size measured
# the same way in the same run, alternating, a fresh process each run; medians.
# Beside them, the floor of any window that shows text (bench/qt/text_window:
# the bare window with one button and one text pane).
# - to the window shown: from just before the start to the moment the mapped
#   window whose title names the lesson of the command line is seen by another
#   X client (bench/qt/wait_window; the bare window carries the same title);
# - to the first paint of the main window with the sample lesson open (the
#   program prints it and closes when KORVAN_STARTUP_PROBE_T0 holds the launch
#   time).
# Both interface languages: the trainer in Russian (LANGUAGE=ru, Qt's own
# catalogue) and again in English (LANGUAGE=en, ours) to the window shown;
# bench/qt/bench_catalogues times the installing of either alone.
# Idle CPU: the trainer waiting for a key for 10 s, with the lesson open and
# then in the middle of a question, from /proc/PID/stat.
set -euo pipefail

build=$(cd "$1" && pwd)
runs=${2:-11}
if [ -z "${KORVAN_BENCH_INSIDE:-}" ]; then
    export KORVAN_BENCH_INSIDE=1
    # A desktop session has its bus; without one the first widget that asks for
    # it (the accessibility bridge) would start dbus-launch, which a bare window
    # never does.
    exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prog=$work/korvan
mkdir -p "$prog"
cp -r "$build/korvan/korvan" "$build/korvan/Time.ini" "$build/korvan/Modes.ini" \
    "$build/korvan/"*.WAV "$build/korvan/fonts" "$build/korvan/lessons" "$build/korvan/lib" "$prog/"
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

probe() {
    KORVAN_STARTUP_PROBE_T0=$(date +%s%N) "$@"
}
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
lesson=lessons/everyday/everyday.sl2
title=$(iconv -f cp1251 -t utf-8 "$prog/$lesson" | sed -n 's/^Title=//p' | tr -d '\r')
shown() { "$build/bench/qt/wait_window" "$title" "$@"; }
bare=$build/bench/qt/bare_window
text=$build/bench/qt/text_window

# One warm-up of each, not counted: the first start also loads the fonts' caches.
(cd "$prog" && LANGUAGE=ru shown ./korvan "$lesson") >/dev/null
(cd "$prog" && LANGUAGE=en shown ./korvan "$lesson") >/dev/null
shown "$bare" "$title" >/dev/null
shown "$text" "$title" >/dev/null
(cd "$prog" && LANGUAGE=ru probe ./korvan "$lesson") >/dev/null
probe "$bare" "$title" >/dev/null
for f in korvan bare text; do : >"$work/$f.shown"; : >"$work/$f.paint"; done
: >"$work/english.shown"
for _ in $(seq "$runs"); do
    (cd "$prog" && LANGUAGE=ru shown ./korvan "$lesson") >>"$work/korvan.shown"
    (cd "$prog" && LANGUAGE=en shown ./korvan "$lesson") >>"$work/english.shown"
    shown "$bare" "$title" >>"$work/bare.shown"
    shown "$text" "$title" >>"$work/text.shown"
    (cd "$prog" && LANGUAGE=ru probe ./korvan "$lesson") >>"$work/korvan.paint"
    probe "$bare" "$title" >>"$work/bare.paint"
    probe "$text" "$title" >>"$work/text.paint"
done
ratio() { awk -v k="$1" -v b="$2" 'BEGIN {printf "%.2f", k / b}'; }
report() { # what, suffix
    local k b t
    k=$(median <"$work/korvan.$2")
    b=$(median <"$work/bare.$2")
    t=$(median <"$work/text.$2")
    echo "start-up $1, median of $runs: korvan $k ms, bare window $b ms, ratio $(ratio "$k" "$b")"
    echo "  floor of a window with text: $t ms, $(ratio "$t" "$b") the bare window"
    echo "  korvan runs: $(tr '\n' ' ' <"$work/korvan.$2")"
    echo "  bare runs:   $(tr '\n' ' ' <"$work/bare.$2")"
    echo "  text runs:   $(tr '\n' ' ' <"$work/text.$2")"
}
report "to the window shown with the lesson in its title" shown
report "to first paint" paint
echo "start-up to the window shown in English, median of $runs: $(median <"$work/english.shown") ms" \
    "(Russian above: $(median <"$work/korvan.shown") ms)"
echo "  english runs: $(tr '\n' ' ' <"$work/english.shown")"
"$build/bench/qt/bench_catalogues" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>/dev/null | grep -E "^(Install|Floor).*_median" || true

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
