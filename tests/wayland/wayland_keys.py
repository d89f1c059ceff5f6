#!/usr/bin/python3
"""Real keys on a Wayland compositor.

Run by atspi-wayland.sh in its nested mode: weston runs in a window of a
virtual X display (its X11 backend, whose keyboard is the X server's), the
program is its Wayland client with no DISPLAY, and xdotool types real key
presses at weston, which hands them to the program as any compositor does.
Checks the display after each key, copy and paste through the compositor's
clipboard, the window menu by Shift+F10 and Alt+Space, and that a modal
dialog keeps the keys from the calculator.

Exits 0 when every check passes, 1 otherwise; prints each failure.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "xvfb"))
from atspi_walk import (Atspi, CALCULATOR, check, failures, menu_then_letter, named, text_of,  # noqa: E402
                        wait_for, window)

# (what, keys, the display after each key), each from Clear All.
KEY_ROWS = [
    ("operators and Enter", "7 plus 2 Return", ["7.", "7.", "2.", "9."]),
    ("point and keypad", "1 period 5 KP_Multiply 2 KP_Enter", ["1.", "1.", "1.5", "1.5", "2.", "3."]),
    ("copy and paste", "1 2 period 5 ctrl+c Escape ctrl+v", ["1.", "12.", "12.", "12.5", "12.5", "0.", "12.5"]),
]


def key(name):
    # The keys go to the X display weston runs on (the program has none).
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=False,
                   env=dict(os.environ, DISPLAY=os.environ["NUMBRIX_X_DISPLAY"]))
    time.sleep(0.1)


def shown(display):
    return text_of(display).strip()


def type_row(display, what, keys, expected):
    key("Escape")
    wait_for(lambda: shown(display) == "0.", 5)
    seen = []
    for name, wanted in zip(keys.split(), expected):
        key(name)
        wait_for(lambda: shown(display) == wanted, 5)
        time.sleep(0.2)  # a key handled twice would show by now
        seen.append(shown(display))
    print(f"{what}: {keys!r} showed {seen}", flush=True)
    check(seen == expected, f"{what}: keyed {keys!r}, the display showed {seen}, expected {expected}")


def back_to(calculator):
    """Waits until the compositor has given the calculator window the
    keyboard (after a dialog it takes weston a moment)."""
    active = wait_for(lambda: calculator.get_state_set().contains(Atspi.StateType.ACTIVE), 10)
    check(active, "the calculator window did not become active again after its dialog closed")
    time.sleep(0.3)


def window_menu(menu_key, letter, caption):
    dialog = menu_then_letter(key, menu_key, letter, caption)
    check(dialog is not None, f"{menu_key} then {letter} did not open {caption!r}")
    return dialog


def main():
    calculator = wait_for(lambda: window(CALCULATOR), 30)
    if not check(calculator is not None, "no calculator window on the accessibility bus"):
        return 1
    display = named(calculator, "text", "Display")
    if not check(display is not None, "no display"):
        return 1
    back_to(calculator)  # the compositor gives the new window the keyboard
    for what, keys, expected in KEY_ROWS:
        type_row(display, what, keys, expected)

    if window_menu("alt+space", "a", "About Orvel Calc") is not None:
        key("Return")
        check(wait_for(lambda: window("About Orvel Calc") is None, 10), "Enter did not close the About box")
    back_to(calculator)
    type_row(display, "after the About box", "4 2", ["4.", "42."])
    if window_menu("shift+F10", "b", "Bolt Hole Dialog") is not None:
        before = shown(display)
        key("7")
        time.sleep(0.5)
        check(shown(display) == before, f"a key typed while the bolt-hole dialog is open reached the calculator: "
                                         f"{before!r} became {shown(display)!r}")
        key("Escape")
        check(wait_for(lambda: window("Bolt Hole Dialog") is None, 10), "Esc did not close the bolt-hole dialog")
    back_to(calculator)
    type_row(display, "after the bolt-hole dialog", "6 slash 4 Return", ["6.", "6.", "4.", "1.5"])

    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
