#!/usr/bin/python3
"""Reads the running calculator through the AT-SPI accessibility bus, as a screen reader does.

Lists every control with its role and name, then, after the caller's calculation, the new
values the result fields announced and the texts they hold. Fails when a control has no name
or when no result field announced its new text. With "solution", after the caller opened the
solution window, prints what a screen reader hears of the solution (its accessible
description, the lines as a teacher says them) and fails when that is missing, holds a sign a
voice does not say (√, ·, ⇒, ≈) or says no root, or when the text itself is not the written
solution.
Usage: atspi_session.py list | atspi_session.py states [EDITABLE FIELD NAME...] |
atspi_session.py watch SECONDS | atspi_session.py solution
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def find_application():
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "equilateral-triangle":
                return application
        time.sleep(0.1)
    sys.exit("FAIL: the calculator is not on the accessibility bus")


def controls(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from controls(child)


def list_controls():
    window = find_application()[0]
    print(f"window: {window.name}")
    unnamed = 0
    for control in controls(window):
        role = control.getRoleName()
        if role in ("filler", "scroll bar", "panel", "unknown"):
            continue
        print(f"  {role}: {control.name}")
        unnamed += not control.name
    if unnamed:
        sys.exit(f"FAIL: {unnamed} controls have no accessible name")


def states(expected_editable):
    """Checks what a screen reader is told of the window and its fields: the window is a
    window (not a "filler"), exactly the fields named in `expected_editable` report an editable
    state, the read-only ones report being read-only, and every option's description says
    something."""
    window = find_application()[0]
    failures = []
    role = window.getRoleName()
    print(f"window role: {role}")
    if role not in ("frame", "window", "dialog"):
        failures.append(f"the window's role is {role!r}")
    for control in controls(window):
        role = control.getRoleName()
        state = control.getState()
        if role == "text":
            editable = state.contains(pyatspi.STATE_EDITABLE)
            read_only = state.contains(pyatspi.STATE_READ_ONLY)
            print(f"  text {control.name}: {'editable' if editable else 'not editable'}"
                  f"{', read-only' if read_only else ''}")
            if editable != (control.name in expected_editable):
                failures.append(f"{control.name}: editable is {editable}")
            if not editable and not read_only:
                failures.append(f"{control.name}: not reported read-only")
        elif role == "radio button":
            description = control.description
            print(f"  option {control.name}: {description!r}")
            if not description or "a = a" in description:
                failures.append(f"option {control.name} is described as {description!r}")
    if failures:
        sys.exit("FAIL: " + "; ".join(failures))


def watch(seconds):
    find_application()
    announced = {}

    def on_text_changed(event):
        if event.type.startswith("object:text-changed:insert") and event.source.name:
            announced[event.source.name] = event.source.queryText().getText(0, -1)

    pyatspi.Registry.registerEventListener(on_text_changed, "object:text-changed")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("ready", flush=True)
    pyatspi.Registry.start()
    for name, text in announced.items():
        print(f"  announced {name}: {text}")
    if not announced:
        sys.exit("FAIL: no result field announced its new text")


def solution():
    application = find_application()
    for _ in range(100):
        texts = [control for window in application if window is not None
                 for control in controls(window)
                 if control.name == "Решение стъпка по стъпка"]
        if texts:
            break
        time.sleep(0.1)
    else:
        sys.exit("FAIL: no solution text on the accessibility bus")
    text = texts[0]
    shown = text.queryText().getText(0, -1)
    spoken = text.description
    print(f"  {text.getRoleName()}: {text.name}")
    print("  shown:\n    " + shown.strip().replace("\n", "\n    "))
    print("  described:\n    " + spoken.replace("\n", "\n    "))
    if not shown.startswith("Дадено: "):
        sys.exit("FAIL: the solution's text is not the written solution")
    if len(spoken.splitlines()) != len(shown.strip().splitlines()):
        sys.exit("FAIL: the description has not a spoken line for each line shown")
    silent = [sign for sign in "√·⇒≈" if sign in spoken]
    if silent or "корен" not in spoken:
        sys.exit(f"FAIL: the description is not spoken Bulgarian (signs {silent})")


if __name__ == "__main__":
    if sys.argv[1] == "list":
        list_controls()
    elif sys.argv[1] == "states":
        states(set(sys.argv[2:]))
    elif sys.argv[1] == "solution":
        solution()
    else:
        watch(float(sys.argv[2]))
