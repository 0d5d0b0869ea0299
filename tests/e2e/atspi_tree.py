#!/usr/bin/python3
"""atspi_tree.py APPLICATION [SECONDS [WATCH]]: prints the accessible tree of the running
program named APPLICATION as its AT-SPI registry shows it, one object a line: depth (as
indentation), role, name and, after " | ", the description. Waits up to SECONDS (10) for the
program to appear with a window. Exit status 1 when it does not. With WATCH, then listens WATCH
seconds for the program's announcements of new names, printing "renamed: NAME" for each, and
prints the tree once more."""
import sys
import time

import pyatspi


def find(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == name and app.childCount > 0:
            return app
    return None


def dump(node, depth, out):
    description = node.description or ""
    line = "  " * depth + node.getRoleName() + ": " + (node.name or "")
    if description:
        line += " | " + description
    out.append(line)
    for child in node:
        if child is not None:
            dump(child, depth + 1, out)


def main():
    name = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    deadline = time.monotonic() + seconds
    while True:
        app = find(name)
        if app is not None:
            break
        if time.monotonic() > deadline:
            print("no application named " + name, file=sys.stderr)
            return 1
        time.sleep(0.1)
    print_tree(app)
    if len(sys.argv) > 3:
        from gi.repository import GLib

        def renamed(event):
            print("renamed: " + (event.source.name or ""), flush=True)

        pyatspi.Registry.registerEventListener(renamed, "object:property-change:accessible-name")
        GLib.timeout_add(int(float(sys.argv[3]) * 1000), pyatspi.Registry.stop)
        pyatspi.Registry.start()
        print_tree(app)
    return 0


def print_tree(app):
    lines = []
    for window in app:
        dump(window, 0, lines)
    print("\n".join(lines), flush=True)


if __name__ == "__main__":
    sys.exit(main())
