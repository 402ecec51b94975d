#!/usr/bin/python3
"""Prints what a screen reader sees of the running test window: every showing
object with its role, name, description and states.

Run the program with accessibility on, inside one session bus, e.g.
  dbus-run-session -- xvfb-run -a -s '-screen 0 1024x768x24 -noreset' sh -c \
    'QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/ui/velk & sleep 3; \
     /usr/bin/python3 scripts/a11y_tree.py; kill $!'
"""
import sys
import time

import pyatspi

STATES = [
    (pyatspi.STATE_CHECKED, "checked"),
    (pyatspi.STATE_FOCUSED, "focused"),
    (pyatspi.STATE_FOCUSABLE, "focusable"),
]


def describe(node):
    states = node.getState()
    flags = [label for state, label in STATES if states.contains(state)]
    if not states.contains(pyatspi.STATE_ENABLED):
        flags.append("disabled")
    text = ""
    try:
        t = node.queryText()
        text = t.getText(0, min(t.characterCount, 60)).replace("\n", "⏎")
    except NotImplementedError:
        pass
    line = f"{node.getRoleName()} name={node.name!r}"
    if node.description:
        line += f" description={node.description!r}"
    if text and text != node.name:
        line += f" text={text!r}"
    if flags:
        line += " [" + ", ".join(flags) + "]"
    return line


def walk(node, depth):
    if not node.getState().contains(pyatspi.STATE_SHOWING) and depth > 1:
        return  # hidden controls are not there for the pupil
    print("  " * depth + describe(node))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else "velk"
    # The program registers a moment after the bus comes up.
    for _ in range(20):
        desktop = pyatspi.Registry.getDesktop(0)
        apps = [a for a in desktop if a is not None and a.name == wanted]
        if apps:
            break
        time.sleep(0.5)
    if not apps:
        names = [a.name for a in desktop if a is not None]
        sys.exit(f"no application {wanted!r} on the accessibility bus (found {names})")
    for app in apps:
        walk(app, 0)


if __name__ == "__main__":
    main()
