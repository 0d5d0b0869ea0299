#!/usr/bin/python3
"""atspi_tree.py APPLICATION [SECONDS]: prints the accessible tree of the running program
named APPLICATION as its AT-SPI registry shows it, one object a line: depth (as indentation),
role, name and, after " | ", the description. Waits up to SECONDS (10) for the program to
appear with a window. Exit status 1 when it does not."""
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
    lines = []
    for window in app:
        dump(window, 0, lines)
    print("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
