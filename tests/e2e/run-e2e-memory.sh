#!/usr/bin/env bash
# The pupil's memory end to end: a lesson drilled on one day leaves its
# history; three days later (the clock given by faketime) the trainer counts
# the cards due, F6 opens the review of today and the sentences are drilled
# again, their verdicts added to the same history.
#
#   run-e2e-memory.sh PROGRAM_FOLDER      (exit 77: no faketime here)
set -euo pipefail

program_dir=$(cd "$1" && pwd)
if [ -z "${KORVAN_E2E_INSIDE:-}" ]; then
    export KORVAN_E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$program_dir"
fi
if ! command -v faketime >/dev/null; then
    echo "SKIPPED: faketime is not installed"
    exit 77
fi

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/checks.sh"

prog=$work/korvan
program_folder "$program_dir" "$prog" Time.ini Modes.ini korvan-lesson
write_drill_lesson "$prog/lessons/e2e.sl2"
printf '[Main]\r\nUseTime=0\r\nOrderKind=0\r\nMistakeChange=0\r\nSaveDiff=0\r\n' >"$prog/Korvan.ini"
printf '[Main]\r\nUseEscapeForExit=1\r\n' >"$prog/Skin.ini"
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Real time keeps running for Qt's timers; only the date is given.
export FAKETIME_DONT_FAKE_MONOTONIC=1
# faketime's library is preloaded ahead of a sanitizer build's own runtime,
# which would otherwise refuse to start.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
cd "$work"

key() {
    xdotool key --clearmodifiers "$1"
    sleep "${2:-0.2}"
}
start() { # the date, then the trainer's arguments
    local when=$1
    shift
    faketime "$when" "$prog/korvan" "$@" &
    pid=$!
    for _ in $(seq 100); do
        xdotool search --onlyvisible --class korvan >/dev/null 2>&1 && break
        sleep 0.2
    done
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --class korvan | head -n 1)"
    sleep 1
}
stop() {
    key Escape
    check "closed by Esc" ended "$pid"
    pid=
}

# Day one: 1 right, 2 wrong (it comes back and is right then), 3 right.
start '2026-12-09 19:00:00' lessons/e2e.sl2
key F4 2
key space 1.2
key space 2
key Control_L 2
key F5 1.2
key F5 2
key F5 1.2
key space 0.5
stop

history=("$prog"/history/*/*.jsonl)
check "one history file, in the pupil's folder" test "${#history[@]}" -eq 1 -a -f "${history[0]}"
check "three cards and four reviews written" \
    test "$(grep -c '"type":"card"' "${history[0]}")-$(grep -c '"type":"review"' "${history[0]}")" = 3-4
check "the wrong answer graded 1" grep -q '"grade":1,"verdict":"wrong"' "${history[0]}"
check "the history is the pupil's alone" test "$(stat -c %a "${history[0]}")" = 600

# Three days on, every card is due (Again after a day, Good after three or four).
due=$("$prog/korvan-lesson" memory "$(dirname "${history[0]}")" --at 2026-12-13T10:00:00+00:00 --json |
    python3 -c 'import json, sys; print(json.load(sys.stdin)["due"])')
check "the lesson tool counts 3 due (got $due)" test "$due" = 3

# A lesson on the command line skips the start-up questions.
start '2026-12-13 10:00:00' lessons/e2e.sl2
sleep 2 # the count, worked out after the first paint
key F6 1
key F4 2
for _ in 1 2 3; do
    key space 1.2
    key space 2
done
stop

log=$(iconv -f CP1251 -t UTF-8 "$prog/Log.txt" | tr -d '\r')
check "the review was logged as a lesson" grep -q "Открыт урок: Повторение на сегодня" <<<"$log"
check "the review asked the three sentences" \
    test "$(grep -c 'В 3 предложениях допущено 0 ошиб.' <<<"$log")" -ge 1
check "the review's verdicts added to the history" \
    test "$(grep -c '"type":"review"' "${history[0]}")" -eq 7
check "dated the day of the review" test "$(grep -c '"time":"2026-12-13T' "${history[0]}")" -eq 3
after=$("$prog/korvan-lesson" memory "$(dirname "${history[0]}")" --at 2026-12-13T12:00:00+00:00 --json |
    python3 -c 'import json, sys; print(json.load(sys.stdin)["due"])')
check "nothing due after the review (got $after)" test "$after" = 0

[ "$failed" -eq 0 ] || { cat "${history[@]}" >&2; iconv -f CP1251 -t UTF-8 "$prog/Log.txt" | tail -n 30 >&2; }
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
