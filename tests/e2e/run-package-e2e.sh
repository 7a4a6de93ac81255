#!/usr/bin/env bash
# The Debian package end to end, as a machine's users meet it: built from the
# build folder with cpack, checked with lintian, dpkg-deb and appstreamcli,
# installed into this machine's /usr, then run by two unprivileged users at
# once under Xvfb. The first drills a bundled lesson to the end by keys; both
# must find their files in their own folders and nothing written under /usr.
# The package is purged at the end, whatever happened. Needs root; exit 77
# (skipped) otherwise, or when a tool is missing or korvan is installed.
#
#   run-package-e2e.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "not run as root (it installs the package into /usr)"
for tool in cpack dpkg-deb lintian appstreamcli xvfb-run xdotool setpriv iconv; do
    command -v "$tool" >/dev/null || skip "$tool not found (scripts/install-deps installs it)"
done
if dpkg-query -W -f='${Status}' korvan 2>/dev/null | grep -q "install ok installed"; then
    skip "korvan is installed on this machine already; dpkg --purge korvan to run this test"
fi
if [ -z "${KORVAN_E2E_INSIDE:-}" ]; then
    export KORVAN_E2E_INSIDE=1
    # -ac: the test's users connect without the root's X cookie.
    exec xvfb-run -a -s "-ac -screen 0 1024x768x24" bash "$0" "$build"
fi

work=$(mktemp -d)
chmod 755 "$work"
pids=()
installed=no
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ "$installed" = yes ] && dpkg --purge korvan >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/checks.sh"

# --- The package -----------------------------------------------------------
(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/pkg/korvan_*_*.deb)
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
check "lintian: no errors or warnings" test -z "$(grep -E '^[EW]: ' "$work/lintian.log")"
grep -E '^[EW]: ' "$work/lintian.log" >&2 || true

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./||' >"$work/contents"
for path in usr/bin/korvan usr/bin/korvan-lesson usr/bin/korvan-report usr/share/korvan/Time.ini \
    usr/share/korvan/lessons/words/words.sl2 usr/share/applications/korvan.desktop \
    usr/share/icons/hicolor/scalable/apps/korvan.svg usr/share/mime/packages/korvan-lesson.xml \
    usr/share/metainfo/org.example.korvan.metainfo.xml usr/share/doc/korvan/copyright \
    usr/share/doc/korvan/changelog.gz usr/lib/korvan/modules/korvan-sound.so \
    usr/lib/korvan/modules/korvan-formats.so usr/share/korvan/docs/korvan/en/user_guide.htm \
    usr/share/korvan/docs/korvan/en/lesson_crt.htm usr/share/korvan/macros/en/pattern_words.doc \
    usr/share/korvan/macros/en/pattern_ordinary.doc; do
    check "package holds $path" grep -qx "$path" "$work/contents"
done
check "everything under /usr" test -z "$(grep -v -e '^usr/' -e '^$' "$work/contents")"
check "no user files shipped" test -z "$(grep -E 'Log\.txt|Korvan\.ini|собственной' "$work/contents")"
for program in $(grep '^usr/bin/.' "$work/contents"); do
    check "man page of $program" grep -qx "usr/share/man/man1/${program#usr/bin/}.1.gz" "$work/contents"
    check "Russian man page of $program" \
        grep -qx "usr/share/man/ru/man1/${program#usr/bin/}.1.gz" "$work/contents"
done
dpkg-deb -x "$deb" "$work/unpacked"
check "AppStream data valid" \
    appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/org.example.korvan.metainfo.xml"

# --- Installed ---------------------------------------------------------------
installed=yes
dpkg -i "$deb" >"$work/dpkg.log" || {
    cat "$work/dpkg.log"
    exit 1
}
check "*.sl2 is a lesson" grep -q 'application/x-korvan-lesson:\*\.sl2' /usr/share/mime/globs2
check "lessons open in the trainer" \
    grep -q '^application/x-korvan-lesson=.*korvan.desktop' /usr/share/applications/mimeinfo.cache
shipped_before=$(find /usr/share/korvan | sort)
touch "$work/marker"

# Two users with no account: a home, a runtime folder of their own, and
# their first settings (no countdown, no sentence sounds, Esc closes). The
# first keeps its files in ~/.local/share, the second in $XDG_DATA_HOME.
setup_user() { # uid, home, data folder
    mkdir -p "$2" "$3/korvan" "$work/run$1"
    printf '[Main]\r\nUseTime=0\r\nOrderKind=0\r\nMistakeChange=0\r\nSaveDiff=0\r\nUseRWav=0\r\nUseEWav=0\r\n' \
        >"$3/korvan/Korvan.ini"
    printf '[Main]\r\nUseEscapeForExit=1\r\n' >"$3/korvan/Skin.ini"
    chown -R "$1:$1" "$2" "$3" "$work/run$1"
    chmod 700 "$work/run$1"
}
as_user() { # uid, home, data folder or "", command... (replaces the shell)
    local uid=$1 home=$2 data=$3
    shift 3
    # A sanitizer build's leak suppressions go along (scripts/run-tests).
    exec setpriv --reuid="$uid" --regid="$uid" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" LANG=C.UTF-8 \
        XDG_RUNTIME_DIR="$work/run$uid" ${data:+XDG_DATA_HOME="$data"} \
        ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} "$@"
}
uid_a=64001 uid_b=64002
home_a=$work/home-a home_b=$work/home-b
folder_a=$home_a/.local/share/korvan folder_b=$work/data-b/korvan
setup_user $uid_a "$home_a" "$home_a/.local/share"
setup_user $uid_b "$home_b" "$work/data-b"

window_of() { # pid: its visible window
    timeout 20 xdotool search --sync --onlyvisible --pid "$1" | head -n 1
}
# A relative lesson path is looked for in the user's, then the shipped folder.
(cd "$home_a" && as_user $uid_a "$home_a" "" /usr/bin/korvan lessons/words/words.sl2) &
pids+=($!)
win_a=$(window_of "${pids[0]}")
(cd "$home_b" && as_user $uid_b "$home_b" "$work/data-b" /usr/bin/korvan lessons/words/words.sl2) &
pids+=($!)
win_b=$(window_of "${pids[1]}")
check "both users' trainers run at once" test -n "$win_a" -a -n "$win_b"
# The sound module is loaded after the first paint.
maps_hold() { # pid, path
    for _ in $(seq 50); do
        grep -q "$2" "/proc/$1/maps" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}
check "the installed trainer loads its sound module" \
    maps_hold "${pids[0]}" /usr/lib/korvan/modules/korvan-sound.so

set +e
(as_user $uid_a "$home_a" "" timeout 3 /usr/bin/korvan lessons/words/words.sl2)
second=$?
set -e
check "a second start by the same user ends at once with 0 (got $second)" test "$second" -eq 0

key() {
    xdotool key --clearmodifiers "$1"
    sleep "${2:-0.2}"
}
log_a() { iconv -f CP1251 -t UTF-8 "$folder_a/Log.txt" 2>/dev/null | tr -d '\r'; }
xdotool windowfocus --sync "$win_a"
key F4 1.5
# Words lessons have no lead-in: reveal, then the verdict after the pause.
for _ in $(seq 60); do
    log_a | grep -q 'Урок завершен. Результаты:' && break
    key space 0.8
    key space 0.4
done
key Escape 1
xdotool windowfocus --sync "$win_b"
key Escape 1

status=0
for p in "${pids[@]}"; do
    timeout 10 tail --pid="$p" -f /dev/null || true
    if kill -0 "$p" 2>/dev/null; then status=1; else wait "$p" || status=$?; fi
done
pids=()
check "both trainers closed with 0 (got $status)" test "$status" -eq 0

log=$(log_a)
check "the first user's log holds the run" grep -q 'В 24 предложениях допущено 0 ошиб.' <<<"$log"
check "... from start to end" grep -q "Открыт урок: /usr/share/korvan/lessons/words/words.sl2" <<<"$log"
check "... closed" grep -q 'Программа завершена.' <<<"$log"
for file in Korvan.ini Skin.ini Pupils.ini View.INI "lessons/Уроки собственной разработки"; do
    check "first user's $file" test -e "$folder_a/$file"
done
check "first user's Korvan.ini lists the lesson" grep -q '^1=/usr/share/korvan/lessons/words/words.sl2' \
    "$folder_a/Korvan.ini"
check "files owned by the first user" test -z "$(find "$home_a" ! -user $uid_a)"
check "second user's own log" grep -q 'Программа завершена.' <(iconv -f CP1251 -t UTF-8 "$folder_b/Log.txt")
check "second user's View.INI" test -e "$folder_b/View.INI"
check "nothing new under /usr/share/korvan" test "$(find /usr/share/korvan | sort)" = "$shipped_before"
check "nothing written under /usr/share/korvan" test -z "$(find /usr/share/korvan -newer "$work/marker")"
check "installed files unchanged" test -z "$(dpkg --verify korvan)"

# --- Removed, the users' folders stay -----------------------------------------
dpkg --purge korvan >/dev/null
installed=no
check "package removed" test ! -e /usr/bin/korvan -a ! -e /usr/share/korvan
check "users' folders left alone" test -e "$folder_a/Log.txt" -a -e "$folder_b/Log.txt"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
