#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/atspi-walk.py [UNITFILE]
# Uses tarvik-config as a screen reader does: through the AT-SPI accessibility bus only. Starts the
# program on a copy of a simulated unit, lists every control it shows with its role and name,
# reports controls without a name, then sets the first pedal to a right click through the
# standard dialog (buttons pressed, tab and radio chosen by their accessible actions), reads the
# message box's text and the pedal's new description back, and quits from the menu.
# Needs at-spi2-core, python3-pyatspi and dbus-x11; run it under a session bus and an X server:
#     xvfb-run -a dbus-run-session -- python3 tools/atspi-walk.py examples/three-pedals.json
# LANGUAGE=en LANG=C.UTF-8 walks the English window. Exits 1 when a control has no name or a step
# cannot be done.
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.path.join(ROOT, os.environ.get("TARVIK_BUILD_DIR", "build"), "src/app/tarvik-config")
CONTROLS = {"push button", "radio button", "check box", "combo box", "text", "page tab", "menu item",
            "spin button", "slider", "list"}
problems = []


def walk(node, depth=0):
    """Every showing node below `node`, depth first."""
    if node is None or depth > 40:
        return
    try:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return
    if not showing and depth > 0:
        return
    yield node, depth
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def wait_for(find, what, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    problems.append("not found: " + what)
    raise SystemExit(report())


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tarvik-config":
            return app
    return None


def find(top, role, name=None, starts=None):
    for node, _ in walk(top):
        if node.getRoleName() != role:
            continue
        if (name is None or node.name == name) and (starts is None or node.name.startswith(starts)):
            return node
    return None


def listing(top, title):
    print("== " + title)
    for node, depth in walk(top):
        role = node.getRoleName()
        if role not in CONTROLS:
            continue
        print("  " * min(depth, 8) + "%s: %r" % (role, node.name))
        if not node.name.strip():
            problems.append("%s without a name in %s" % (role, title))


def act(node, action=0):
    try:
        node.queryAction().doAction(action)
    except Exception as error:  # a control the action closes may be gone before the answer comes
        print("  (after %r: %s)" % (node.name, str(error).splitlines()[0]))


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def report():
    for p in problems:
        print("PROBLEM: " + p)
    print("result: %s" % ("problems found" if problems else "every control named, every step done"))
    return 1 if problems else 0


def inside_screen(node, what):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    screen = pyatspi.Registry.getDesktop(0).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print("%s at %d,%d size %dx%d on a %dx%d screen" % (what, x, y, w, h, screen.width, screen.height))
    if x < 0 or y < 0 or x + w > screen.width or y + h > screen.height:
        problems.append(what + " is partly off the screen")


def advanced_dialog(app, window, english):
    """Turns the advanced settings on from the menu, then walks every tab of the advanced dialog."""
    inside_screen(window, "main window")
    item = "Use advanced settings" if english else "高度な設定を使う(A)"
    menu_item = wait_for(lambda: next((n for n, _ in walk_all(app) if n.getRoleName() in
                                       ("check menu item", "menu item") and n.name == item), None), item)
    act(menu_item)
    advanced = "Left pedal settings (advanced)" if english else "左ペダルの設定（高度）"
    button = wait_for(lambda: find(window, "push button", advanced), advanced)
    wait_for(lambda: button if button.getState().contains(pyatspi.STATE_ENABLED) else None, advanced + " enabled")
    act(button)
    dialog = wait_for(lambda: find(app, "dialog"), "the advanced dialog")
    inside_screen(dialog, "advanced dialog")
    tabs = [n for n, _ in walk(dialog) if n.getRoleName() == "page tab"]
    print("advanced tabs: %s" % [t.name for t in tabs])
    for tab in tabs:
        act(tab)
        time.sleep(0.3)
        listing(dialog, "advanced dialog, " + tab.name)
    close = find(dialog, "push button", "Close" if english else "閉じる")
    if close is None:
        problems.append("no close button in the advanced dialog")
    else:
        act(close)


def walk_all(node, depth=0):
    """Every node below `node`, shown or not (menu items are in the tree only while not shown)."""
    if node is None or depth > 40:
        return
    yield node, depth
    for i in range(node.childCount):
        yield from walk_all(node.getChildAtIndex(i), depth + 1)


def main():
    english = os.environ.get("LANGUAGE", "").startswith("en")
    unit = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "examples/three-pedals.json")
    folder = tempfile.mkdtemp()
    copy = os.path.join(folder, "unit.json")
    shutil.copy(unit, copy)
    # Settings of its own (the advanced settings start off), leaving the user's alone.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               XDG_CONFIG_HOME=os.path.join(folder, "config"))
    program = subprocess.Popen([PROGRAM, "--simulate=" + copy], env=env)
    try:
        app = wait_for(application, "the program on the accessibility bus")
        window = wait_for(lambda: find(app, "frame"), "the main window")
        standard = "Left pedal settings (standard)" if english else "左ペダルの設定（標準）"
        button = wait_for(lambda: find(window, "push button", standard), "button " + standard)
        listing(window, "main window")
        box = find(window, "text", "Left pedal setting" if english else "左ペダルの設定内容")
        before = text_of(box) if box else ""
        print("left pedal now: %r" % before)

        act(button)
        dialog = wait_for(lambda: find(app, "dialog"), "the standard dialog")
        listing(dialog, "standard dialog")
        mouse = wait_for(lambda: find(dialog, "page tab", starts="Mouse" if english else "マウス"), "the mouse tab")
        act(mouse)
        right = wait_for(lambda: find(dialog, "radio button", "Right button click" if english else "右ボタンクリック"),
                         "the right click choice")
        act(right)
        listing(dialog, "standard dialog, mouse tab")
        write = find(dialog, "push button", "Write to the Tarvik" if english else "Tarvikに書き込む")
        if write is None:
            problems.append("no write button")
            return report()
        act(write)
        message = wait_for(lambda: next((n for n, _ in walk(app)
                                         if n.getRoleName() in ("alert", "dialog") and n.description), None),
                           "the outcome box")
        print("outcome box: %r / %r" % (message.name, message.description))
        ok = wait_for(lambda: find(message, "push button", "OK"), "the box's OK")
        act(ok)
        time.sleep(0.5)
        dialog = find(app, "dialog")
        if dialog is not None:
            cancel = find(dialog, "push button", "Cancel" if english else "キャンセル")
            if cancel is not None:
                act(cancel)
        time.sleep(0.5)
        after = text_of(box) if box else ""
        print("left pedal now: %r" % after)
        if after == before:
            problems.append("the description did not change")
        advanced_dialog(app, window, english)
        return report()
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
