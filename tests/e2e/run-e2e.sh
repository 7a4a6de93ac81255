#!/usr/bin/env bash
# The trainer end to end, as a pupil uses it: started in a copy of the program
# folder with a lesson on the command line, drilled to the end by key presses,
# closed with Esc; then the log and the settings files it left. A second copy
# started meanwhile must end at once without a window.
#
#   run-e2e.sh PROGRAM_FOLDER [x11|wayland]
#
# x11 (the default) runs under Xvfb with keys from xdotool. wayland runs on
# Qt's wayland platform under a headless sway with keys from wtype; sway
# refuses root, so as root the compositor and the trainer run as nobody. When
# the compositor cannot start, the run is skipped (exit code 77) with a line
# saying why.
set -euo pipefail

program_dir=$(cd "$1" && pwd)
platform=${2:-x11}
if [ "$platform" = x11 ] && [ -z "${KORVAN_E2E_INSIDE:-}" ]; then
    export KORVAN_E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$program_dir" x11
fi

skip() {
    echo "SKIPPED: the Wayland run: $*"
    exit 77
}

work=$(mktemp -d)
pid=
keyboard=
compositor=
cleanup() {
    for p in $pid $keyboard $compositor; do
        kill "$p" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/checks.sh"

prog=$work/korvan
program_folder "$program_dir" "$prog" Time.ini Modes.ini
write_drill_lesson "$prog/lessons/e2e.sl2"
# Questions in file order, a wrong one comes back once, no countdown; Esc closes.
printf '[Main]\r\nUseTime=0\r\nOrderKind=0\r\nMistakeChange=0\r\nSaveDiff=0\r\n' >"$prog/Korvan.ini"
printf '[Main]\r\nUseEscapeForExit=1\r\n' >"$prog/Skin.ini"
# Controls carry their control names on the accessibility bus, as tests expect.
export KORVAN_ACCESSIBLE_IDS=1
# The single-instance marker lives here, away from a trainer the user runs.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$work"

if [ "$platform" = x11 ]; then
    as_user=(env)
    windows() { xdotool search --onlyvisible --class korvan 2>/dev/null | wc -l; }
    send_key() { xdotool key --clearmodifiers "$1"; }
else
    for tool in sway swaymsg wtype setpriv; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    # Where the compositor lets it: the size comes from here, the position is
    # the compositor's and is kept as it was stored.
    printf '[FMain]\r\nFlags=0\r\nShowCmd=1\r\nPixelsPerInch=96\r\nMinMaxPos=-1,-1,-1,-1\r\nNormPos=100,50,800,650\r\nFormVersion=0\r\n' \
        >"$prog/View.INI"
    if [ "$(id -u)" -eq 0 ]; then
        chown -R 65534:65534 "$work"
        chmod 755 "$work"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work")
    else
        as_user=(env HOME="$work")
    fi
    # A floating window keeps the size View.INI gives it.
    printf 'xwayland disable\nfor_window [app_id="korvan"] floating enable\n' >"$work/sway.conf"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        "${as_user[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
    compositor=$!
    for _ in $(seq 50); do
        [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && break
        kill -0 "$compositor" 2>/dev/null || break
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/wayland-1" ] || skip "sway did not start: $(tail -n 1 "$work/sway.log")"
    export WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
    export SWAYSOCK
    windows() { "${as_user[@]}" swaymsg -t get_tree | grep -c '"app_id": "korvan"' || true; }
    # The seat has no keyboard of its own: one wtype kept waiting on its input
    # holds a keyboard there for the whole run. Otherwise every wtype brings
    # the seat's only keyboard, and its key is already down when the window
    # gets the keyboard: it comes inside wl_keyboard.enter, which is not a
    # key press, and only its release follows.
    mkfifo "$work/keyboard"
    "${as_user[@]}" wtype - <"$work/keyboard" &
    keyboard=$!
    exec 3>"$work/keyboard"
    send_key() { "${as_user[@]}" wtype -k "$1"; }
fi

"${as_user[@]}" "$prog/korvan" lessons/e2e.sl2 &
pid=$!
for _ in $(seq 100); do
    [ "$(windows)" -ge 1 ] && break
    sleep 0.2
done
check "main window shown" test "$(windows)" -ge 1
[ "$platform" = x11 ] &&
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --class korvan | head -n 1)"

# A second start while the first runs: exit code 0 within 2 s, no window.
start=$(date +%s%N)
set +e
"${as_user[@]}" timeout 2 "$prog/korvan" lessons/e2e.sl2
second=$?
set -e
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
check "second instance ends with 0 (got $second after $elapsed_ms ms)" test "$second" -eq 0
check "still one window" test "$(windows)" -eq 1

key() {
    send_key "$1"
    sleep "${2:-0.2}"
}
# F4 starts; each question has a one-second lead-in, then thinking; after the
# reveal a verdict is taken once the half-second pause is over.
key F4 2
key space 1.2   # 1: reveal
key space 2   #    right
key Control_L 2 # 2: wrong while thinking: it comes back
key F5 1.2      # 2: reveal
key F5 2      #    right
key F5 1.2      # 3: reveal
key space 0.5   #    right: the run ends
key Escape

check "closed by Esc" ended "$pid"
set +e
wait "$pid"
status=$?
set -e
pid=
check "exit code 0 (got $status)" test "$status" -eq 0

log=$(iconv -f CP1251 -t UTF-8 "$prog/Log.txt" | tr -d '\r')
expect_in_order() {
    local rest=$log line
    for line in "$@"; do
        case "$rest" in
        *"$line"*) rest=${rest#*"$line"} ;;
        *)
            echo "log lacks, in order: $line" >&2
            return 1
            ;;
        esac
    done
}
check "log entries in order" expect_in_order "Программа запущена." "Выбран ученик: Ученик 1" \
    "Открыт урок: $prog/lessons/e2e.sl2" "Запущен урок. Выбраны установки:" \
    "Урок завершен. Результаты:" "В 3 предложениях допущено 1 ошиб." "Программа завершена."
check "log ends with the empty line" test "$(tail -c 4 "$prog/Log.txt" | od -An -c | tr -d ' ')" = '\r\n\r\n'

section_keys() { # file, section: the keys of that section
    tr -d '\r' <"$1" | awk -v s="[$2]" '/^\[/{on = ($0 == s); next} on && /=/{sub(/=.*/, ""); print}'
}
check "Korvan.ini: 14 keys and CfgMode in Main" \
    test "$(section_keys "$prog/Korvan.ini" Main | sort | tr '\n' ' ')" = \
    "CfgMode DiffNum MistakeChange OrderKind SaveDiff ShowEText ShowRText Speed TranslRE UseAtOnce UseEWav UseRWav UseSpeech UseTextInput UseTime "
check "Skin.ini: 24 keys in Main" test "$(section_keys "$prog/Skin.ini" Main | wc -l)" -eq 24
check "Skin.ini keeps UseEscapeForExit" grep -q '^UseEscapeForExit=1' "$prog/Skin.ini"
check "View.INI has FMain" grep -q '^\[FMain\]' "$prog/View.INI"
[ "$platform" = wayland ] &&
    check "View.INI keeps the stored position and the size" \
        grep -q '^NormPos=100,50,800,650' "$prog/View.INI"
check "Korvan.ini lists the lesson opened" \
    test "$(tr -d '\r' <"$prog/Korvan.ini" | grep -x "1=.*")" = "1=$prog/lessons/e2e.sl2"
check "Pupils.ini written" grep -q '^PupilName_0=' "$prog/Pupils.ini"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
