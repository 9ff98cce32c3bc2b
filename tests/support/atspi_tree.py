#!/usr/bin/python3
"""Prints what a screen reader finds of one application on the desktop's
accessibility bus (AT-SPI): one JSON object per line and element, depth
first, with its path of child indexes, role, name, description, states,
text and value. Usage: atspi_tree.py PID [SECONDS]

Exits 3 when pyatspi is missing (the caller skips), 2 when the application
does not appear on the bus in time."""
import json
import sys
import time

try:
    import pyatspi
except ImportError:
    print("pyatspi is not installed (Debian: python3-pyatspi)", file=sys.stderr)
    sys.exit(3)

MAX_ELEMENTS = 5000
STATES = {"showing": pyatspi.STATE_SHOWING, "focused": pyatspi.STATE_FOCUSED, "enabled": pyatspi.STATE_ENABLED}


def find_application(pid, seconds):
    deadline = time.time() + seconds
    while True:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        if time.time() > deadline:
            return None
        time.sleep(0.1)


def describe(node, path):
    states = node.getState()
    element = {
        "path": path,
        "role": node.getRoleName(),
        "name": node.name or "",
        "description": node.description or "",
        "states": [name for name, state in STATES.items() if states.contains(state)],
    }
    try:
        element["text"] = node.queryText().getText(0, -1)
    except NotImplementedError:
        pass
    try:
        value = node.queryValue()
        element["value"] = [value.currentValue, value.minimumValue, value.maximumValue]
    except NotImplementedError:
        pass
    return element


def main():
    pid = int(sys.argv[1])
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10
    app = find_application(pid, seconds)
    if app is None:
        print("application %d is not on the accessibility bus" % pid, file=sys.stderr)
        sys.exit(2)
    pending = [(app, "")]
    count = 0
    while pending and count < MAX_ELEMENTS:
        node, path = pending.pop()
        try:
            print(json.dumps(describe(node, path), ensure_ascii=False))
            children = [(node.getChildAtIndex(i), "%s/%d" % (path, i)) for i in range(node.childCount)]
        except Exception as error:  # an element that went away meanwhile
            print("skipped %s: %s" % (path, error), file=sys.stderr)
            continue
        count += 1
        pending.extend(reversed([c for c in children if c[0] is not None]))


main()
