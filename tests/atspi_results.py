#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader is told of a calculation, seen from outside the
program as an AT-SPI client such as Orca sees it: atspi_results.py PROGRAM

Opens the circle window through its menu item, types a radius, gives
Calculate the focus and presses it, twice: a notification with the results
must appear each time, the focus staying on the button. With the radius
emptied, the failure's message box must appear as an alert with its message.
Needs an X display (xvfb-run), a D-Bus session of its own (dbus-run-session;
the accessibility bus and registry of at-spi2-core start on demand) and
python3-gi with gir1.2-atspi-2.0. ATSPI_DEBUG=1 prints every event.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

TIMEOUT = 20.0  # seconds for each thing awaited
events = []  # (type, source role, source name, detail1)


def on_event(event):
    try:
        events.append((event.type, event.source.get_role(), event.source.get_name(), event.detail1))
    except GLib.Error:
        return
    if os.environ.get("ATSPI_DEBUG"):
        print("event", *events[-1], file=sys.stderr)


def pump(seconds):
    """Runs the main loop for a while, so that events arrive."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        time.sleep(0.01)


def wait_for(what, found):
    """Runs the main loop until found() gives something, and returns it."""
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        pump(0.05)
        value = found()
        if value:
            return value
    sys.exit(f"FAIL: no {what} within {TIMEOUT:.0f} s")


def descendants(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.get_child_count()):
        try:
            yield from descendants(node.get_child_at_index(i), depth + 1)
        except GLib.Error:
            pass


def find(root, role, name=None, contains=""):
    for node in descendants(root):
        if node.get_role() == role and name in (None, node.get_name()) and contains in (node.get_name() or ""):
            return node
    return None


def window(app, title):
    for i in range(app.get_child_count()):
        w = app.get_child_at_index(i)
        if w.get_name() == title and w.get_state_set().contains(Atspi.StateType.SHOWING):
            return w
    return None


def press(node):
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    Atspi.Action.do_action(node, names.index("Press") if "Press" in names else 0)


def focused(node):
    return node.get_state_set().contains(Atspi.StateType.FOCUSED)


def notified():
    """The names of the notifications that appeared since the events were cleared."""
    return [e[2] for e in events if e[0] == "object:state-changed:showing"
            and e[1] == Atspi.Role.NOTIFICATION and e[3] == 1]


def expect(condition, text):
    if not condition:
        sys.exit("FAIL: " + text)
    print("ok:", text)


def focus_and_press(button):
    Atspi.Component.grab_focus(button)
    wait_for("the focus on " + button.get_name(), lambda: focused(button))
    pump(1)  # as a screen reader takes the focus change in first
    events.clear()
    press(button)


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    Atspi.init()
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:state-changed:showing", "window:activate"):
        listener.register(kind)
    calculator = subprocess.Popen([sys.argv[1]], env=env)
    try:
        desktop = Atspi.get_desktop(0)
        app = wait_for("calculator on the accessibility bus", lambda: next(
            (a for a in map(desktop.get_child_at_index, range(desktop.get_child_count()))
             if a is not None and a.get_process_id() == calculator.pid), None))
        main_window = wait_for("main window", lambda: window(app, "Quorvane Calculator"))
        press(wait_for("menu item Area, Circle", lambda: find(main_window, Atspi.Role.MENU_ITEM, "Circle")))
        circle = wait_for("circle window", lambda: window(app, "Area of a circle"))
        radius = find(circle, Atspi.Role.TEXT, contains="radius")
        calculate = find(circle, Atspi.Role.PUSH_BUTTON, "Calculate")
        expect(radius is not None and calculate is not None, "the circle window has its radius field and Calculate")

        said = "The area of the circle is 154. The circumference of the circle is 44."
        Atspi.EditableText.set_text_contents(radius, "7")
        for again in ("", " again"):
            focus_and_press(calculate)
            told = wait_for("a notification", notified)
            expect(told == [said], f"a press tells its results{again} in a notification: {told!r}")
            expect(focused(calculate), "the focus stays on Calculate")
        Atspi.EditableText.set_text_contents(radius, "")
        focus_and_press(calculate)
        alert = wait_for("an alert", lambda: find(app, Atspi.Role.ALERT))
        texts = [n.get_name() or "" for n in descendants(alert)]
        for node in descendants(alert):
            try:
                texts.append(Atspi.Text.get_text(node, 0, -1))
            except (GLib.Error, TypeError):
                pass
        expect(any(t.startswith("Conversion failure: the field") for t in texts),
               "the failure's message box is an alert that holds its message")
        expect(any(e[1] == Atspi.Role.ALERT for e in events), "its appearance is an event of the alert")
        pump(1)
        press(find(alert, Atspi.Role.PUSH_BUTTON, "OK"))
        wait_for("the alert gone", lambda: find(app, Atspi.Role.ALERT) is None)
        expect(notified() == [], "a failed press tells no results")
        print("PASS")
    finally:
        calculator.terminate()
        try:
            calculator.wait(5)
        except subprocess.TimeoutExpired:
            calculator.kill()


if __name__ == "__main__":
    main()
