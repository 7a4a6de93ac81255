#!/usr/bin/env bash
# The trainer through the accessibility bus, as a screen reader sees it: under
# Xvfb, in a private session bus with its own accessibility bus. Skipped (exit
# 77) when that bus cannot be started here.
#
#   run-a11y.sh PROGRAM_FOLDER
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program_dir=$(cd "$1" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${KORVAN_A11Y_INSIDE:-}" ]; then
    if [ ! -x "$launcher" ] || ! command -v dbus-run-session >/dev/null || ! /usr/bin/python3 -c \
        "import gi; gi.require_version('Atspi', '2.0'); from gi.repository import Atspi" \
        2>/dev/null; then
        echo "SKIPPED: no accessibility bus here (dbus-daemon, at-spi2-core, python3-gi," \
            "gir1.2-atspi-2.0)"
        exit 77
    fi
    export KORVAN_A11Y_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$0" "$program_dir"
fi

work=$(mktemp -d)
bus=
cleanup() {
    [ -n "$bus" ] && kill "$bus" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
. "$here/checks.sh"

prog=$work/korvan
program_folder "$program_dir" "$prog" Modes.ini
write_drill_lesson "$prog/lessons/e2e.sl2"
# A norm of 2 seconds for any sentence, 2.5 times that: 4 seconds to think
# once the sentence is shown. In file order, a mistake never comes back.
for _ in $(seq 10); do printf '2\r\n'; done >"$prog/Time.ini"
printf '[Main]\r\nUseTime=1\r\nSpeed=20\r\nOrderKind=0\r\nMistakeChange=-1\r\nSaveDiff=0\r\n' \
    >"$prog/Korvan.ini"
printf '[Main]\r\nUseEscapeForExit=1\r\nAskAtStartupUseTextInput=0\r\n' >"$prog/Skin.ini"
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$launcher" --launch-immediately &
bus=$!
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1; then
    echo "SKIPPED: the accessibility bus did not start"
    exit 77
fi
/usr/bin/python3 "$here/a11y-bus.py" "$prog"
