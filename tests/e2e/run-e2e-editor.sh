#!/usr/bin/env bash
# The lesson editor end to end, as a teacher uses it: `korvan --edit` under
# Xvfb on a private sound server writes a new lesson by keys, records its
# Russian sentence from the microphone (fed a tone) and synthesizes its English
# one, saves; then the trainer drills the lesson and both recordings are heard
# on the speakers, each as long as its file.
#
#   run-e2e-editor.sh PROGRAM_FOLDER      (exit 77: no sound server here)
set -euo pipefail

program_dir=$(cd "$1" && pwd)
if [ -z "${KORVAN_E2E_INSIDE:-}" ]; then
    export KORVAN_E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program_dir"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/checks.sh"

# The sound server: a null sink as the speakers, a microphone fed from the
# monitor of a second null sink.
pulse=$work/pulse
mkdir -m 700 "$pulse"
HOME=$pulse XDG_RUNTIME_DIR=$pulse XDG_CONFIG_HOME=$pulse pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no --log-level=error \
    -L "module-native-protocol-unix socket=$pulse/native auth-anonymous=1" \
    -L "module-null-sink sink_name=korvan_out rate=48000" \
    -L "module-null-sink sink_name=korvan_feed rate=48000" \
    -L "module-remap-source master=korvan_feed.monitor source_name=korvan_mic" &
pids+=($!)
export PULSE_SERVER=unix:$pulse/native
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.2; done
if ! pactl info >/dev/null 2>&1; then
    echo "SKIP: the sound server cannot be started here"
    exit 77
fi
pactl set-default-sink korvan_out
pactl set-default-source korvan_mic
# A null sink gives its monitor nothing while nothing plays into it: a stream
# of silence into each keeps the microphone and the speakers' monitor running
# in real time, as devices do.
for sink in korvan_out korvan_feed; do
    pacat -d "$sink" --format=s16le --rate=16000 --channels=1 </dev/zero 2>/dev/null &
    pids+=($!)
done

prog=$work/korvan
program_folder "$program_dir" "$prog" Time.ini Modes.ini Buffer.WAV StartRec.WAV TimeIsUp.WAV
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$prog"

key() {
    xdotool key --clearmodifiers "$1"
    sleep "${2:-0.3}"
}
# The sounds in a WAV file or a raw 16 kHz capture (*.raw), in the band
# LOW-HIGH when one is given: runs of samples above 1 % less than 0.3 s apart,
# one line each: where it starts and how long it lasts, in seconds.
sounds() { # file, [low, high]
    local input=("$1") band=()
    [[ $1 == *.raw ]] && input=(-t raw -r 16000 -e signed -b 16 -c 1 "$1")
    [ -n "${2:-}" ] && band=(sinc "$2-$3")
    sox "${input[@]}" -t dat - "${band[@]}" | awk '
        /^;/ || ($2 < 0.01 && $2 > -0.01) {next}
        on && $1 - last >= 0.3 {print first, last - first; on = 0}
        !on {first = $1; on = 1}
        {last = $1}
        END {if (on) print first, last - first}'
}
# The length of the only sound (empty when there are none or several).
only_length() { awk 'NR == 1 {length_ = $2} END {if (NR == 1) print length_}'; }
above() { awk -v a="$1" -v b="$2" 'BEGIN {exit !(a > b)}'; }
# Two lengths that differ by 0.15 s at most.
near() {
    [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN {exit !(a - b <= 0.15 && b - a <= 0.15)}'
}

# --- The editor: a new lesson by keys.
"$prog/korvan" --edit lessons/new.sl2 &
editor=$!
pids+=("$editor")
window=$(timeout 20 xdotool search --sync --onlyvisible --name "Редактор урока" | head -n 1)
check "editor window shown" test -n "$window"
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool type --delay 30 "Greetings"
key Tab
key ctrl+n                      # question 1, the Russian cell
xdotool type --delay 30 "Dobroe utro"
key Tab
xdotool type --delay 30 "Good morning"
key Return
key ctrl+s 1
check "lesson saved" grep -q "Good morning" lessons/new.sl2

# Record the Russian sentence: the dialog records at once; the microphone
# hears half a second of silence, a 1.5 s tone at 3500 Hz, half a second of
# silence again; Enter keeps the take.
sox -n -r 16000 -c 1 -b 16 "$work/voice.wav" synth 1.5 sine 3500 gain -3 fade 0.005 0 0.05 \
    pad 0.5 0.5
key ctrl+alt+r 0.5
paplay -d korvan_feed "$work/voice.wav"
key Return 1
xdotool windowfocus --sync "$window" # no window manager gives the focus back
check "recording beside the lesson" test -f lessons/001R.WAV
tone=$(sounds lessons/001R.WAV 3300 3700 | only_length)
check "the recording holds the microphone's tone (${tone:-no one} s)" near "$tone" 1.5

# Synthesize the English sentence.
key ctrl+shift+s 2
spoken=$(sounds lessons/001E.WAV 2>/dev/null | only_length)
check "the synthesized sentence beside the lesson (${spoken:-no one} s)" above "${spoken:-0}" 0.5
key ctrl+s 1                    # the audio flags the recordings set
check "header promises Russian and English recordings" \
    grep -qz "HasRuAudio.*HasEnAudio" lessons/new.sl2
key ctrl+w 1
check "editor closed without a question" ended "$editor"

# --- The trainer drills the lesson: the Russian recording plays as the
# question is asked, then the start signal; the English one at the reveal.
printf '[Main]\r\nUseTime=0\r\nSaveDiff=0\r\n' >"$prog/Korvan.ini"
printf '[Main]\r\nUseEscapeForExit=1\r\n' >"$prog/Skin.ini"
parec -d korvan_out.monitor --format=s16le --rate=16000 --channels=1 --latency-msec=50 \
    >"$work/heard.raw" 2>/dev/null &
capture=$!
pids+=("$capture")
"$prog/korvan" lessons/new.sl2 &
trainer=$!
pids+=("$trainer")
window=$(timeout 20 xdotool search --sync --onlyvisible --class korvan | head -n 1)
check "trainer window shown" test -n "$window"
xdotool windowfocus --sync "$window"
sleep 0.5
recording=$(soxi -D lessons/001R.WAV)
key F4 "$(awk -v r="$recording" 'BEGIN {print r + 3}')" # the lead-in, the recording, the signal
key space 2                     # the reveal
key space 1                     # right: the run ends
key Escape 1
check "trainer closed by Esc" ended "$trainer"
kill "$capture" 2>/dev/null || true
# The English sentence has some sound in the tone's band too.
russian=$(sounds "$work/heard.raw" 3300 3700 | head -n 1 | awk '{print $2}')
check "the trainer played the Russian recording first ($russian s, the tone $tone s)" \
    near "$russian" "$tone"
english=$(sounds "$work/heard.raw" | tail -n 1 | awk '{print $2}')
check "the trainer played the English recording last ($english s, the file $spoken s)" \
    near "$english" "$spoken"

echo "heard: the Russian $russian s (recorded $tone s), the English $english s (synthesized $spoken s)"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
