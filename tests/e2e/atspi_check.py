#!/usr/bin/env python3
# Drives the real program as a screen reader would, over the accessibility bus: the
# application, the names of its menu items, toolbar buttons and status bar panes, and the
# text view as a text object whose caret line reads back what was typed and whose caret
# moves and text changes are announced.
# Usage: atspi_check.py PROGRAM FOLDER. Needs DISPLAY and a session bus; prints what failed
# and exits 1, or exits 0.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, FOLDER = sys.argv[1], sys.argv[2]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def pump():
    """Runs the pending events of the event loop, so that listeners hear their events."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


# How long to wait for the program to show or announce something: long enough for a loaded
# machine, so that only a fault reaches it.
BOUND = 30.0


def wait_for(condition, seconds=BOUND):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        try:
            value = condition()
        except Exception:  # the tree is still being built
            value = None
        if value:
            return value
        time.sleep(0.1)
    return None


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # the object went away
        return []


# Item views (the workspace's file trees) hold many rows that come and go while folders load;
# the walk looks at the views themselves, not into them.
ITEM_VIEWS = {pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST}


def descendants(node, role):
    found = []
    for child in children(node):
        try:
            if child is None:
                continue
            child_role = child.getRole()
            if child_role == role:
                found.append(child)
            if child_role not in ITEM_VIEWS:
                found.extend(descendants(child, role))
        except Exception:  # the object went away during the walk
            continue
    return found


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=False, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == "Tagwright" and app.childCount > 0:
            return app
    return None


def line_at_caret(text):
    offset = text.caretOffset
    line, _, _ = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
    return line


caret_events = []
pyatspi.Registry.registerEventListener(
    lambda event: caret_events.append(event.detail1), "object:text-caret-moved")
# Text changes as (kind, offset, text).
changes = []
pyatspi.Registry.registerEventListener(
    lambda event: changes.append((event.type.minor, event.detail1, event.any_data)),
    "object:text-changed")

env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
program = subprocess.Popen([PROGRAM, "new.txt"], cwd=FOLDER, env=env)
try:
    app = wait_for(find_application)
    if not check(app, "the program did not appear on the accessibility bus"):
        sys.exit(1)
    frame = wait_for(lambda: next(f for f in children(app) if f.getRole() == pyatspi.ROLE_FRAME))

    # The text view is a text object named after its document.
    views = wait_for(lambda: [t for t in descendants(frame, pyatspi.ROLE_TEXT) if t.name == "new.txt"])
    if not check(views, "no text object named after the document"):
        sys.exit(1)
    # Every menu item carries a name without a key after a tab. The menus are read closed, so
    # the hidden slots of the File, Tools and Window menus (recent files, user tools, open
    # windows), which have no text, look like the rest: unnamed items pass there only.
    def menu_names():
        menu_bars = descendants(frame, pyatspi.ROLE_MENU_BAR)
        items = [item for bar in menu_bars for item in children(bar)]
        bad = []
        for top in items:
            for menu in children(top):
                for item in children(menu):
                    if item.getRole() == pyatspi.ROLE_SEPARATOR:
                        continue
                    slot = not item.name and top.name in ("File", "Tools", "Window")
                    for named in [item, *descendants(item, pyatspi.ROLE_MENU_ITEM)]:
                        if (not named.name and not slot) or "\t" in named.name:
                            bad.append(f"{top.name}: {named.name!r}")
        return [item.name for item in items], bad

    # The update pass that sets the item texts may still be on its way.
    wait_for(lambda: not menu_names()[1])
    names, bad_items = menu_names()
    check({"File", "Edit", "View", "Insert", "Macros", "Tools", "Window", "Help"} <= set(names),
          f"menu bar items: {names}")
    check(not bad_items, f"menu items without a proper name: {bad_items}")

    # Every shown button of every toolbar, of the main window and of the document window, is
    # named: push, toggle and check buttons, and the arrow to the buttons that do not fit.
    BUTTONS = [pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
               pyatspi.ROLE_RADIO_BUTTON]
    toolbars = descendants(frame, pyatspi.ROLE_TOOL_BAR)
    standard = [b.name for bar in toolbars if bar.name == "Standard" for b in children(bar) if showing(b)]
    check({"New", "Open", "Save"} <= set(standard), f"Standard toolbar buttons: {standard}")
    check(len(toolbars) == 5 and all(b.name for b in toolbars),
          f"toolbars of the main and document windows: {[b.name for b in toolbars]}")
    unnamed = [f"{bar.name}: {b.getRoleName()}" for bar in toolbars
               for role in BUTTONS for b in descendants(bar, role) if showing(b) and not b.name]
    check(not unnamed, f"toolbar buttons without a name: {unnamed}")

    # The status bar's panes are named, also those that show nothing.
    def status_panes():
        return [p for bar in descendants(frame, pyatspi.ROLE_STATUS_BAR) for p in children(bar)
                if p.getRole() == pyatspi.ROLE_LABEL]

    wait_for(lambda: len(status_panes()) == 7 and all(p.name for p in status_panes()))
    panes = status_panes()
    check(len(panes) == 7, f"status bar panes: {[p.name for p in panes]}")
    check(all(p.name for p in panes), f"a status bar pane without a name: {[p.name for p in panes]}")

    text = views[0].queryText()
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                             str(program.pid), "--name", "^Tagwright"],
                            stdout=subprocess.PIPE, text=True).stdout.split()[0]
    xdotool("windowfocus", "--sync", window)
    # The test put the Cyrillic letters on keys of their own before the program started.
    xdotool("type", "Hello worldПривет")
    first = "Hello worldПривет"
    check(wait_for(lambda: text.characterCount == len(first)),
          f"character count {text.characterCount}, text {text.getText(0, -1)!r}")
    check(text.caretOffset == len(first), f"caret offset {text.caretOffset} after typing")
    check(line_at_caret(text) == first, f"line at the caret: {line_at_caret(text)!r}")

    changes.clear()
    xdotool("key", "Return")
    xdotool("type", "second")
    check(wait_for(lambda: line_at_caret(text) == "second"),
          f"line at the caret on the second line: {line_at_caret(text)!r}")
    check(text.getText(0, -1) == first + "\nsecond", f"whole text {text.getText(0, -1)!r}")

    def inserted():
        return "".join(t for kind, _, t in changes if kind == "insert")

    check(wait_for(lambda: inserted() == "\nsecond"), f"insertions heard: {changes}")

    # BackSpace removes the last letter: the client hears which one, and where.
    changes.clear()
    xdotool("key", "BackSpace")
    removal = ("delete", len(first) + 6, "d")
    check(wait_for(lambda: removal in changes), f"removals heard: {changes}")
    check(line_at_caret(text) == "secon", f"line at the caret after BackSpace: {line_at_caret(text)!r}")

    # Up moves the caret to the first line: the caret-moved event tells its new offset.
    caret_events.clear()
    xdotool("key", "Up")
    moved = wait_for(lambda: text.caretOffset < len(first) + 1)
    check(moved, f"caret offset {text.caretOffset} after Up")
    check(line_at_caret(text) == first + "\n", f"line at the caret after Up: {line_at_caret(text)!r}")
    check(wait_for(lambda: text.caretOffset in caret_events),
          f"caret-moved events {caret_events}, caret at {text.caretOffset}")
finally:
    program.kill()
    program.wait()
    for failure in failures:
        print(failure)
sys.exit(1 if failures else 0)
