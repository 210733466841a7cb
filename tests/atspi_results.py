#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader is told of a calculation, seen from outside the
program as an AT-SPI client such as Orca sees it.

Starts the calculator, opens the circle window through its menu item, types
a radius, gives the Calculate button the focus and presses it, and listens
for the events a screen reader speaks from: a notification that appears
with the results while the focus stays on the button, again at the next
press; then, with the radius emptied, a failure's message box that appears
as an alert with its message.

    atspi_results.py PROGRAM

Needs an X display (xvfb-run), a D-Bus session of its own (dbus-run-session),
where the accessibility bus and its registry start on demand (at-spi2-core),
and GObject introspection for AT-SPI (python3-gi, gir1.2-atspi-2.0).
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib, GObject  # noqa: E402

TIMEOUT = 20.0  # seconds for each thing awaited

events = []  # (type, source role, source name, any_data as text, detail1)


def on_event(event):
    try:
        source = event.source
        role = source.get_role() if source else None
        name = source.get_name() if source else ""
    except GLib.Error:
        role, name = None, ""
    data = event.any_data
    if isinstance(data, GObject.Value):
        data = data.get_value()
    if not isinstance(data, str):
        data = None
    events.append((event.type, role, name, data, event.detail1))
    if os.environ.get("ATSPI_DEBUG"):
        print("event", event.type, role, name, repr(event.any_data), file=sys.stderr)


def pump(seconds):
    """Runs the main loop for a while, so that events arrive."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
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
    try:
        count = node.get_child_count()
    except GLib.Error:
        return
    for i in range(count):
        try:
            child = node.get_child_at_index(i)
        except GLib.Error:
            continue
        yield from descendants(child, depth + 1)


def find(root, role, name=None, contains=None):
    for node in descendants(root):
        try:
            if node.get_role() != role:
                continue
            n = node.get_name() or ""
        except GLib.Error:
            continue
        if (name is None or n == name) and (contains is None or contains in n):
            return node
    return None


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except GLib.Error:
            pass
    return None


def frame(app, title):
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        try:
            if window.get_name() == title and window.get_state_set().contains(Atspi.StateType.SHOWING):
                return window
        except GLib.Error:
            pass
    return None


def press(node):
    for i in range(Atspi.Action.get_n_actions(node)):
        if Atspi.Action.get_action_name(node, i) in ("Press", "press", "click"):
            return Atspi.Action.do_action(node, i)
    return Atspi.Action.do_action(node, 0)


def type_into(field, text):
    Atspi.EditableText.set_text_contents(field, text)


def focus(node):
    Atspi.Component.grab_focus(node)


def focused(node):
    return node.get_state_set().contains(Atspi.StateType.FOCUSED)


def notified():
    """The names of the notifications that appeared since the events were cleared."""
    return [e[2] for e in events
            if e[0] == "object:state-changed:showing" and e[1] == Atspi.Role.NOTIFICATION and e[4] == 1]


def expect(condition, text):
    if not condition:
        sys.exit("FAIL: " + text)
    print("ok:", text)


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
    Atspi.init()
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:state-changed:showing", "window:activate", "object:text-changed:insert"):
        listener.register(kind)

    calculator = subprocess.Popen([program], env=env)
    try:
        app = wait_for("calculator on the accessibility bus", lambda: application(calculator.pid))
        main_window = wait_for("main window", lambda: frame(app, "Quorvane Calculator"))
        circle_item = wait_for("menu item Area, Circle", lambda: find(main_window, Atspi.Role.MENU_ITEM, "Circle"))
        press(circle_item)
        circle = wait_for("circle window", lambda: frame(app, "Area of a circle"))

        radius = find(circle, Atspi.Role.TEXT, contains="radius")
        calculate = find(circle, Atspi.Role.PUSH_BUTTON, "Calculate")
        expect(radius is not None and calculate is not None, "the circle window has its radius field and Calculate")
        type_into(radius, "7")
        focus(calculate)
        wait_for("the focus on Calculate", lambda: focused(calculate))
        pump(1)  # a screen reader takes the focus change in first

        # A press: the results appear in a notification.
        said = "The area of the circle is 154. The circumference of the circle is 44."
        events.clear()
        press(calculate)
        told = wait_for("a notification", lambda: notified())
        expect(told == [said], f"a press tells its results in a notification: {told!r}")
        expect(focused(calculate), "the focus stays on Calculate")
        expect(any(e[0] == "object:text-changed:insert" and e[3] == "154" for e in events),
               "the area field tells its new text")

        # The same press again tells the same again.
        pump(1)
        events.clear()
        press(calculate)
        expect(wait_for("the same results told again", lambda: notified()) == [said],
               "the same results are told again")

        # A failure: its message box is an alert, with its message.
        type_into(radius, "")
        focus(calculate)
        pump(1)
        events.clear()
        press(calculate)
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
        ok = find(alert, Atspi.Role.PUSH_BUTTON, "OK")
        press(ok)
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
