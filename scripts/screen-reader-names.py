"""Starts korvel-screenshots --hold and, while it holds each window, walks that window's AT-SPI
tree as a screen reader does, counting the focusable controls without a name."""

import subprocess
import sys
import time

import pyatspi


def application_of(pid):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.1)
    raise SystemExit("screen-reader-names: the program never showed up on the accessibility bus")


def shown_window(app):
    windows = [child for child in app if child is not None]
    for window in windows:
        if window.getState().contains(pyatspi.STATE_ACTIVE):
            return window
    return windows[-1]


def walk(node, path, found):
    try:
        state = node.getState()
        role = node.getRoleName()
        name = (node.name or "").strip()
    except Exception:
        return
    try:
        index = node.getIndexInParent()
    except Exception:
        index = -1
    here = path + [f"{role}[{index}]"]
    if state.contains(pyatspi.STATE_FOCUSABLE):
        found.append((name, " > ".join(here)))
    for child in node:
        if child is not None:
            walk(child, here, found)


def main():
    program, pictures = sys.argv[1], sys.argv[2]
    process = subprocess.Popen([program, "--hold", pictures], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, text=True)
    app = None
    nameless_total = 0
    for line in process.stdout:
        if not line.startswith("shown "):
            continue
        title = line.split(" ", 1)[1].strip()
        app = app or application_of(process.pid)
        time.sleep(0.3)  # lets the window settle on the bus
        found = []
        walk(shown_window(app), [], found)
        nameless = [path for name, path in found if not name]
        nameless_total += len(nameless)
        print(f"{title}: {len(nameless)} of {len(found)} focusable controls without a name",
              flush=True)
        for path in nameless[:10]:
            print(f"  {path}")
        if len(nameless) > 10:
            print(f"  ... and {len(nameless) - 10} more")
        process.stdin.write("\n")
        process.stdin.flush()
    process.wait()
    sys.exit(1 if nameless_total or process.returncode else 0)


main()
