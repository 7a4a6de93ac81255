#!/usr/bin/env bash
# The lesson editor end to end, as a teacher uses it: `korvan --edit` under
# Xvfb on a private sound server writes a new lesson by keys, records its
# Russian sentence from the microphone (fed a tone), saves; then the trainer
# drills the lesson and the recording is heard on the speakers. Synthesis is
# not exercised here: no voice is built into the program yet.
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

passed=0
failed=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what" >&2
    fi
}

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

prog=$work/korvan
mkdir -p "$prog/lessons"
for f in korvan Time.ini Modes.ini Buffer.WAV StartRec.WAV TimeIsUp.WAV; do
    cp "$program_dir/$f" "$prog/"
done
cp -r "$program_dir/fonts" "$prog/"
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$prog"

key() {
    xdotool key --clearmodifiers "$1"
    sleep "${2:-0.3}"
}
# The level of a band of a raw 16 kHz capture or of a WAV file (RMS, 0..1).
band_rms() { # file, low, high, [raw]
    local input=("$1")
    [ -n "${4:-}" ] && input=(-t raw -r 16000 -e signed -b 16 -c 1 "$1")
    sox "${input[@]}" -n sinc "$2-$3" stat 2>&1 | awk '/RMS +amplitude/ {print $3}'
}
above() { awk -v a="$1" -v b="$2" 'BEGIN {exit !(a > b)}'; }

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
# hears a 1.5 s tone at 3500 Hz; Enter keeps the take.
sox -n -r 16000 -c 1 -b 16 "$work/voice.wav" synth 1.5 sine 3500 gain -3 fade 0.005 0 0.05
key ctrl+alt+r 1
paplay -d korvan_feed "$work/voice.wav"
sleep 0.5
key Return 1
xdotool windowfocus --sync "$window" # no window manager gives the focus back
check "recording beside the lesson" test -f lessons/001R.WAV
level=$(band_rms lessons/001R.WAV 3300 3700 || echo 0)
check "the recording holds the microphone's tone (rms $level)" above "$level" 0.1
key ctrl+s 1                    # the audio flag the recording set

check "header promises Russian recordings" grep -q "HasRuAudio" lessons/new.sl2
key ctrl+w 1
set +e
timeout 10 tail --pid="$editor" -f /dev/null
kill -0 "$editor" 2>/dev/null && closed=no || closed=yes
set -e
check "editor closed without a question" test "$closed" = yes

# --- The trainer drills the lesson; the speakers play the recording.
printf '[Main]\r\nUseTime=0\r\nSaveDiff=0\r\n' >"$prog/Korvan.ini"
printf '[Main]\r\nUseEscapeForExit=1\r\n' >"$prog/Skin.ini"
parec -d korvan_out.monitor --format=s16le --rate=16000 --channels=1 >"$work/heard.raw" 2>/dev/null &
capture=$!
pids+=("$capture")
"$prog/korvan" lessons/new.sl2 &
trainer=$!
pids+=("$trainer")
window=$(timeout 20 xdotool search --sync --onlyvisible --class korvan | head -n 1)
check "trainer window shown" test -n "$window"
xdotool windowfocus --sync "$window"
sleep 0.5
key F4 4                        # lead-in, then the recording plays
key Escape 1
kill "$capture" 2>/dev/null || true
heard=$(band_rms "$work/heard.raw" 3300 3700 raw || echo 0)
check "the trainer played the recording (rms $heard)" above "$heard" 0.05

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
