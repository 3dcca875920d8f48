#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Solves exercise screens of the running program as a child with a screen
reader would: it reads only the accessibility tree (AT-SPI) and presses only
real keys (xdotool key). No mouse event is sent and no code of the program
is touched. Run by scripts/keyboard-blackbox.sh, which starts the display,
the session bus and the program, once per scenario.

    keyboard_blackbox.py columns|hundred|abacus
"""
import re
import subprocess
import sys
import time

import os

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

STEP = 0.25  # seconds for the program and the bus to follow a key


def program():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        a = desktop.get_child_at_index(i)
        if a and (a.get_name() or "").lower() == "contalandia":
            return a
    return None


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def showing_windows():
    app = program()
    if not app:
        return []
    return [w for w in (app.get_child_at_index(i) for i in range(app.get_child_count()))
            if w and w.get_state_set().contains(Atspi.StateType.SHOWING)]


def nodes():
    for window in showing_windows():
        yield from walk(window)


def state(node, s):
    return node.get_state_set().contains(s)


def focused():
    for n in nodes():
        if state(n, Atspi.StateType.FOCUSED):
            return n
    return None


def name(node):
    return (node.get_name() or "").strip() if node else ""


def describe(node):
    return "%s %r" % (node.get_role_name(), name(node)) if node else "nothing"


def wait_for(what, test, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        found = test()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit("never saw: " + what)


def focus_window():
    """Gives the X focus to the program's window on show, as a window
    manager does when a window appears (the display has none)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", os.environ["CONTALANDIA_PID"]],
                           capture_output=True, text=True).stdout.split()
    if not found:
        return
    now = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True).stdout.strip()
    if now not in found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=False)
        time.sleep(STEP)


def key(*keys):
    for k in keys:
        focus_window()
        subprocess.run(["xdotool", "key", "--delay", "60", k], check=True)
        time.sleep(STEP)


def type_digits(text):
    key(*list(text))


def tab_to(test, what, limit=200):
    for _ in range(limit):
        f = focused()
        if f is not None and test(f):
            return f
        key("Tab")
    raise SystemExit("Tab never reached " + what + "; focus on " + describe(focused()))


def press_button(caption):
    tab_to(lambda n: n.get_role_name() == "push button" and name(n) == caption, caption)
    key("space")
    time.sleep(1.0)


def right_count():
    for n in nodes():
        m = re.match(r"^Esatti: *(\d+)$", name(n))
        if m:
            return int(m.group(1))
    return None


def expect_right(scenario):
    wait_for("one right answer on " + scenario, lambda: right_count() == 1, 5)
    print(scenario + ": solved right, by keys alone")


def start(menu, screen):
    wait_for("the start screen", lambda: any(name(n) == "Avvio" for n in nodes()), 20)
    press_button("Avvio")
    wait_for("the main menu", lambda: any(name(n) == menu for n in nodes()))
    press_button(menu)
    wait_for("the exercise menu", lambda: any(name(n) == screen for n in nodes()))
    press_button(screen)
    wait_for("the exercise", lambda: right_count() is not None)


def abacus():
    start("Esercizi con supporto grafico", "addizioni senza cambio")
    # The answer box is named by the problem it answers: " 157 +  25 = ".
    box = wait_for("the answer box", lambda: next(
        (n for n in nodes() if n.get_role_name() == "text" and re.search(r"\d+\s*\+\s*\d+", name(n))), None))
    a, b = map(int, re.search(r"(\d+)\s*\+\s*(\d+)", name(box)).groups())
    type_digits(str(a + b))
    key("Return")
    expect_right("abacus addition %d + %d" % (a, b))


def hundred():
    start("Esercizi con supporto grafico", "trova il numero")
    target = wait_for("the number to find", lambda: next(
        (int(name(n)) for n in nodes() if n.get_role_name() == "label" and re.fullmatch(r"\d+", name(n))), None))
    cell = tab_to(lambda n: n.get_role_name() == "push button" and re.fullmatch(r"\d+|vuota.*", name(n)) is not None,
                  "the hundred table")
    print("table reached at", describe(cell), "- looking for", target)
    key(*["Next"] * (target // 100))
    key("ctrl+Home")
    key(*["Down"] * ((target % 100) // 10))
    key(*["Right"] * (target % 10))
    print("focus on", describe(focused()))
    key("space")
    expect_right("hundred table, %d" % target)


def columns():
    start("Esercizi con solo numeri", "addizioni in colonna senza cambi")
    digit = re.compile(r"^(Primo|Secondo) numero, [^:]+: (.*)$")
    labels = wait_for("the digits", lambda: [n for n in nodes() if digit.match(name(n))] or None)
    numbers = {"Primo": [], "Secondo": []}
    for n in labels[:6]:
        row, shown = digit.match(name(n)).groups()
        numbers[row].append(int(shown) if shown.isdigit() else None)
    print("problem:", numbers)
    # Each digit that can move: Space picks it up and the focus goes to the
    # cell that takes it; Enter puts it there; the focus goes on.
    for _ in range(12):
        f = focused()
        if f is not None and f.get_role_name() == "text":
            break
        if f is None or not digit.match(name(f)):
            tab_to(lambda n: n.get_role_name() in ("push button", "toggle button") and digit.match(name(n)),
                   "a digit to place", 40)
        source = focused()
        key("space")
        if not state(source, Atspi.StateType.CHECKED):
            raise SystemExit("a picked-up digit does not say so: " + describe(source))
        target = focused()
        print("  picked", describe(source), "- focus on", describe(target))
        key("Return")
    else:
        raise SystemExit("the digits never all found their cells")
    # The result column by column from the units, an empty column by Enter.
    top, bottom = numbers["Primo"], numbers["Secondo"]
    for place in (2, 1, 0):
        a, b = top[place], bottom[place]
        if a is None and b is None:
            key("Return")
        else:
            type_digits(str((a or 0) + (b or 0)))
            key("Return")
    expect_right("column addition")


if __name__ == "__main__":
    {"abacus": abacus, "hundred": hundred, "columns": columns}[sys.argv[1]]()
