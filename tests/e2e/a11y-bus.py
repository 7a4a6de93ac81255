#!/usr/bin/python3
# The trainer as a screen reader sees it, through the accessibility bus:
# names with and without KORVAN_ACCESSIBLE_IDS, what is announced during a
# drill driven by keys, and the behaviour dialog worked by keys alone.
#
#   a11y-bus.py PROGRAM_COPY   (the folder with korvan, its settings and lessons/e2e.sl2)
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

prog = sys.argv[1]
passed = failed = 0


def check(what, ok):
    global passed, failed
    if ok:
        passed += 1
    else:
        failed += 1
        print("FAILED: " + what, file=sys.stderr)


def pump(seconds):
    end = time.time() + seconds
    ctx = GLib.MainContext.default()
    while time.time() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.02)


# Events with what they said at the moment they came (a name read later may
# already be the next announcement's).
events = []


def on_event(e):
    try:
        role, name = e.source.get_role_name(), e.source.get_name()
    except GLib.Error:
        role, name = "?", "?"
    events.append((e.type, e.detail1, role, name))


listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:showing", "object:state-changed:focused",
             "object:state-changed:checked", "window:activate"):
    listener.register(kind)


def wait_for(pred, seconds, start=0):
    end = time.time() + seconds
    while time.time() < end:
        for i in range(start, len(events)):
            if pred(events[i]):
                return i
        pump(0.05)
    return None


def said(start=0):
    return [e[3] for e in events[start:]
            if e[0] == "object:state-changed:showing" and e[1] == 1 and e[2] == "notification"]


def key(name, pause=0.3):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    pump(pause)


def current_focus():
    for e in reversed(events):
        if e[0] == "object:state-changed:focused" and e[1] == 1:
            return e[3]
    return None


def tab_to(*names, limit=12):
    """Tab until one of the names has the focus (late focus events settle first)."""
    pump(0.3)
    for _ in range(limit):
        if current_focus() in names:
            return True
        key("Tab", 0.3)
    return current_focus() in names


def application():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for i in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(i)
            if child is not None and child.get_name() == "korvan":
                return child
        pump(0.2)
    return None


def walk(obj):
    """(role, name, description) of obj and everything under it."""
    out = []
    try:
        out.append((obj.get_role_name(), obj.get_name(), obj.get_description()))
        for i in range(obj.get_child_count()):
            out += walk(obj.get_child_at_index(i))
    except GLib.Error:
        pass
    return out


# Controls a pupil works or reads; a screen reader must have a name for each.
CONTROLS = {"push button", "toggle button", "check box", "radio button", "slider",
            "spin button", "text", "list", "menu item", "page tab"}


main_window = []


def refocus():
    """No window manager here to give the focus back when a dialog closes (and
    Qt does not always take it back): a click on the information pane, which
    never takes the focus itself, makes the main window active again."""
    if main_window:
        subprocess.run(["xdotool", "mousemove", "--window", main_window[0], "200", "200",
                        "click", "1"], timeout=10)
        pump(0.3)


def start(ids):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("KORVAN_ACCESSIBLE_IDS", None)
    if ids:
        env["KORVAN_ACCESSIBLE_IDS"] = "1"
    proc = subprocess.Popen([os.path.join(prog, "korvan"), "lessons/e2e.sl2"], cwd=prog, env=env)
    app = application()
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "korvan"],
                            capture_output=True, text=True, timeout=20).stdout.split()
    main_window[:] = window[:1]
    if window:
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], timeout=10)
    pump(1)
    return proc, app


# The dialogs by keys from the main window: the button (human name, control
# name), the menu entry, the dialog's caption.
DIALOGS = {
    "pupils": (("Настройка", "BCustomize"), "Ученики ...", "Ученики"),
    "behaviour": (("Настройка", "BCustomize"), "Поведение программы ...", "Поведение программы"),
    "appearance": (("Настройка", "BCustomize"), "Внешний вид программы ...",
                   "Внешний вид программы"),
    "about": (("Помощь", "BHelp"), "О программе ...", "О программе"),
}


def open_dialog(which):
    """Tab to the button, Enter opens its menu, Down to the entry, Enter."""
    buttons, entry, caption = DIALOGS[which]
    ok = tab_to(*buttons)
    mark = len(events)
    key("Return", 0.5)
    for _ in range(8):
        key("Down", 0.25)
        if current_focus() == entry:
            break
    ok = ok and current_focus() == entry
    key("Return", 0.2)
    found = wait_for(lambda e: e[0] == "window:activate" and e[3] == caption, 5, mark)
    return ok and found is not None


def close_dialog(which):
    """Esc, and the dialog is no longer showing."""
    mark = len(events)
    key("Escape", 0.2)
    caption = DIALOGS[which][2]
    closed = wait_for(lambda e: e[:2] == ("object:state-changed:showing", 0) and e[3] == caption,
                      3, mark)
    refocus()
    return closed is not None


def stop(proc, what):
    key("Escape")
    try:
        status = proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
        status = None
    check(what + ": closed by Esc with 0 (got %s)" % status, status == 0)


# --- 1. With the control names: what tests rely on --------------------------
proc, app = start(ids=True)
check("the program is on the bus", app is not None)
if app is None:
    proc.kill()
    print("%d passed, %d failed" % (passed, failed))
    sys.exit(1)
tree = walk(app)
names = {n for _, n, _ in tree}
check("panes and buttons carry their control names",
      {"M1", "M2", "M3", "MInfo", "BLesson_Start", "BQuestion_PupilChoose_Wrong"} <= names)
check("labels carry their control names as descriptions",
      "LShowMoreTotal" in {d for r, _, d in tree if r == "label"})
dialog_tree = []
for which in DIALOGS:
    check("the %s dialog opens by keys" % which, open_dialog(which))
    dialog_tree += walk(app)
    check("Esc closes the %s dialog" % which, close_dialog(which))
check("dialog controls carry their control names",
      {"TBSpeed", "BOk", "RBOrder", "LBPupils", "BColorInfo"} <= {n for _, n, _ in dialog_tree})
identifiers = {n for r, n, _ in tree + dialog_tree if n and r not in ("label", "application") and
               re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*", n)}
identifiers |= {d for r, _, d in tree + dialog_tree if r == "label" and d}
stop(proc, "with control names")

# --- 2. Without: human names, the drill by ear, a dialog by keys -------------
proc, app = start(ids=False)
tree = walk(app)
for which in ("pupils", "appearance", "about"):
    check("the %s dialog opens by keys" % which, open_dialog(which))
    tree += walk(app)
    check("Esc closes the %s dialog" % which, close_dialog(which))
unnamed = [(r, d) for r, n, d in tree if r in CONTROLS and not n]
check("every control has a name (unnamed: %s)" % unnamed[:5], not unnamed)
leaked = sorted({n for _, n, _ in tree if n in identifiers} |
                {d for _, _, d in tree if d in identifiers})
check("no control is named after its identifier (%s)" % leaked[:5], not leaked)
check("panes have their roles' names", {"Предложение для перевода", "Эталонный перевод",
                                        "Подсказка", "Ключевая фраза"} <= {n for _, n, _ in tree})


def notification(text):
    return lambda e: (e[0] == "object:state-changed:showing" and e[1] == 1 and
                      e[2] == "notification" and e[3].startswith(text))


# The drill: 1 right in time, 2 left to run out, 3 wrong while thinking.
mark = len(events)
key("F4", 0)
ok = wait_for(notification("Доброе утро!"), 5, mark) is not None
key("F5", 0.8)
key("space", 0)
ok = ok and wait_for(notification("Как дела?"), 5, mark) is not None
ok = ok and wait_for(notification("Время вышло."), 10, mark) is not None
pump(0.7)
key("space", 0)
ok = ok and wait_for(notification("До свидания!"), 5, mark) is not None
key("F8", 0)
ok = ok and wait_for(notification("Goodbye!"), 5, mark) is not None
check("the drill ran to its end by keys", ok)
pump(1)  # as a pupil would, before the next key
heard = said(mark)
print("announced:", heard)
expected = ["Приветствие", "Доброе утро!", "Good morning!", "Правильно. Вопрос", "Как дела?",
            "Время вышло. How are you?", "Ошибка. Прощание", "До свидания!"]
check("announced in order: %s" % heard, heard[:len(expected)] == expected and len(heard) == 9)
check("the results are announced with the verdict",
      len(heard) == 9 and heard[8].startswith("Goodbye! Ошибка. Ungraded. В 3 предложениях "
                                              "допущено 2 ошиб."))
moved = [e for e in events[mark:] if e[0] == "object:state-changed:focused" and e[1] == 1]
check("the focus never moved during the drill (%s)" % moved[:3], not moved)

# The behaviour dialog by keys alone: a slider reads as its marks, two
# switches turned off (the second brings a message box), Enter confirms.
check("the behaviour dialog opens by keys", open_dialog("behaviour"))
sliders = {n: d for r, n, d in walk(app) if r == "slider"}
check("the speed slider reads as its mark (%s)" % sliders,
      sliders.get("Время на обдумывание (от нормы)") == "2,5 от нормы")
check("Tab reaches the Russian text switch", tab_to("Показывать русский текст"))
key("space")
check("Tab reaches the Russian sound switch", tab_to("Проигрывать русский звук"))
mark = len(events)
key("space", 0)
box = wait_for(lambda e: e[0] == "window:activate" and e[3] == "Сообщение", 5, mark)
check("the warning comes as a window a screen reader reads", box is not None)
if box is not None:
    texts = [n for r, n, _ in walk(app) if r == "label"]
    check("its text is on the bus", any(t.startswith("Обратите внимание!") for t in texts))
    check("the message box is an alert (%s)" % events[box][2], events[box][2] == "alert")
key("Return", 0.5)  # OK on the message box
# Without a window manager the focus is given back to the dialog by hand: a
# click on its label "Способ перебора:", which takes no focus.
dialog = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Поведение программы"],
                        capture_output=True, text=True, timeout=10).stdout.split()
if dialog:
    subprocess.run(["xdotool", "mousemove", "--window", dialog[0], "20", "340", "click", "1"],
                   timeout=10)
pump(0.3)
key("Return", 0.5)  # "Да" of the dialog, the default button
stop(proc, "without control names")
ini = open(os.path.join(prog, "Korvan.ini"), encoding="cp1251").read()
check("the dialog's changes were kept",
      "ShowRText=0" in ini and "UseRWav=0" in ini)

print("%d passed, %d failed" % (passed, failed))
sys.exit(1 if failed else 0)
