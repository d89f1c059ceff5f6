#!/usr/bin/python3
"""Real key presses while assistive technology listens.

A screen reader registers for the accessibility bus's events, and from then
on the toolkit holds every key press back, asks the screen reader about it
and delivers a copy. Registered for events the way a screen reader is, this
types real X key presses (xdotool) at the calculator window and its dialogs
under a real window manager (openbox), and checks that every key is handled
exactly once: the display after each key of a table of sequences, typing
into a dialog's edits, Enter and Esc there, the window menu by Shift+F10 and
the Menu key (the bolt-hole dialog and the About box without the mouse),
mnemonics, and the keypad's decimal key under a German layout.

Exits 0 when every check passes, 1 otherwise; prints each failure.
"""

import subprocess
import sys
import time

from atspi_walk import (Atspi, CALCULATOR, DIALOGS, GLib, check, descendants, failures, fields, menu_then_letter,
                        named, press, text_of, wait_for, window)

# (what, keys typed one by one, the display after each key). Every row
# starts from Clear All. Tab walks from the focus sink over the keys with tab
# stops: ".", SIN, COS, TAN, Pi, ASIN, ACOS, ATAN, CE, %.
KEY_ROWS = [
    ("digits", "7 7 0", ["7.", "77.", "770."]),
    ("point", "1 period 5", ["1.", "1.", "1.5"]),
    ("operators and Enter", "7 plus 2 Return", ["7.", "7.", "2.", "9."]),
    ("equals", "9 slash 4 equal", ["9.", "9.", "4.", "2.25"]),
    ("minus and times", "5 minus 8 asterisk 2 Return", ["5.", "5.", "8.", "-3.", "2.", "-6."]),
    ("numeric keypad", "KP_7 KP_Add KP_2 KP_Multiply KP_3 KP_Enter", ["7.", "7.", "2.", "9.", "3.", "27."]),
    ("keypad decimal", "KP_1 KP_Decimal KP_5", ["1.", "1.", "1.5"]),
    ("SIN by Tab and Space", "3 0 Tab Tab space", ["3.", "30.", "30.", "30.", "0.5"]),
    ("CE by Tab and Space", "5 plus 1 2 " + "Tab " * 9 + "space 3 Return",
     ["5.", "5.", "1.", "12."] + ["12."] * 9 + ["0.", "3.", "8."]),
    ("Clear All by Esc and c", "4 2 Escape 4 2 c", ["4.", "42.", "0.", "4.", "42.", "0."]),
    ("copy and paste", "1 2 period 5 ctrl+c Escape ctrl+v plus 1 Return",
     ["1.", "12.", "12.", "12.5", "12.5", "0.", "12.5", "12.5", "1.", "13.5"]),
]


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=False)


def pump():
    """Takes the events that have come (the listener hears them here)."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def settle():
    """Lets the program take the key (the copy comes after the screen reader's
    answer) and this process take the events that came meanwhile."""
    end = time.monotonic() + 0.25
    while time.monotonic() < end:
        pump()
        time.sleep(0.02)


def shown(display):
    return text_of(display).strip()


class ToldTexts:
    """The text of each text control as its events tell it, the way a
    screen reader keeps it: what a control says changed must add up to
    what it shows."""

    def __init__(self):
        self.texts = {}

    @staticmethod
    def key(accessible):
        return (accessible.get_name(), accessible.get_index_in_parent())

    def start(self, accessible):
        self.texts[self.key(accessible)] = text_of(accessible)

    def heard(self, event):
        if not event.type.startswith("object:text-changed:") or event.source is None:
            return
        key = self.key(event.source)
        if key not in self.texts:
            return
        text, at = self.texts[key], event.detail1
        if event.type.startswith("object:text-changed:insert"):
            self.texts[key] = text[:at] + event.any_data + text[at:]
        elif event.type.startswith("object:text-changed:delete"):
            self.texts[key] = text[:at] + text[at + event.detail2:]

    def told(self, accessible):
        return self.texts.get(self.key(accessible))


TOLD = ToldTexts()
HOLDERS = []


def check_told(accessible, where):
    """What the control's events told equals what it shows."""
    wait_for(lambda: (pump(), TOLD.told(accessible) == text_of(accessible))[1], 2)
    check(TOLD.told(accessible) == text_of(accessible),
          f"{where}: its events tell {TOLD.told(accessible)!r}, it shows {text_of(accessible)!r}")


def activate(caption):
    subprocess.run(["xdotool", "search", "--sync", "--name", f"^{caption}$", "windowactivate", "--sync"],
                   check=False, timeout=20)
    settle()


def type_row(display, what, keys, expected):
    key("Escape")
    settle()
    seen = []
    for name, wanted in zip(keys.split(), expected):
        key(name)
        # A slow build may take its time; a key handled twice shows at once
        # (or by the next key) as a display that is not the one wanted.
        wait_for(lambda: shown(display) == wanted, 5)
        settle()
        seen.append(shown(display))
        for told in HOLDERS:
            check_told(told, f"{what}, after {name}: {told.get_role_name()} {told.get_name()!r}")
    check(seen == expected, f"{what}: keyed {keys!r}, the display showed {seen}, expected {expected}")


def german_keypad_decimal(display):
    """Under a German layout the keypad's decimal key types a comma
    (KP_Separator): it is the point all the same."""
    subprocess.run(["setxkbmap", "de"], check=False)
    try:
        type_row(display, "keypad decimal, German layout", "KP_1 KP_Separator KP_5", ["1.", "1.", "1.5"])
    finally:
        subprocess.run(["setxkbmap", "us"], check=False)


def loan_by_keyboard(calculator):
    """The loan of the user guide's example typed into the dialog: each
    character once, Enter computes, Tab reaches the results, Esc closes."""
    press(named(calculator, "push button", "Loans"), waiting=False)
    dialog = wait_for(lambda: window("Loan Calculator"))
    if not check(dialog is not None, "loan: the dialog did not open"):
        return
    activate("Loan Calculator")
    found = fields(dialog)
    for name in ("Interest: $", "Payment: $"):
        TOLD.start(found[name])
    found["Amount Borrowed: $"].grab_focus()
    settle()
    # Each edit's text is selected when Tab reaches it, so typing replaces it.
    for name in "ctrl+a 1 0 0 0 0 Tab 6 Tab 5 Return".split():
        key(name)
        settle()
    interest = found["Interest: $"]
    wait_for(lambda: text_of(interest) == "1599.68", 5)
    typed = [text_of(found[n]) for n in ("Amount Borrowed: $", "Annual Interest Rate (APR):", "Number of")]
    check(typed == ["10000", "6", "5"], f"loan: the edits hold {typed} after typing 10000, 6, 5")
    results = [text_of(found[n]) for n in ("Interest: $", "Payment: $")]
    check(results == ["1599.68", "193.33"], f"loan: Enter gave {results}")
    for name in ("Interest: $", "Payment: $"):
        check_told(found[name], f"loan: {name!r}")
    key("Escape")
    check(wait_for(lambda: window("Loan Calculator") is None), "loan: Esc did not close the dialog")


def every_dialog_by_keyboard(calculator):
    """In each utility dialog, two digits typed into its first edit arrive
    once each, and Esc closes it (as Done or as cancel)."""
    for launcher, caption, _, inputs, _ in DIALOGS:
        if not inputs:
            continue
        press(named(calculator, "push button", launcher), waiting=False)
        dialog = wait_for(lambda: window(caption))
        if not check(dialog is not None, f"{caption}: did not open"):
            continue
        activate(caption)
        edit = fields(dialog)[inputs[0]]
        before = text_of(edit)
        edit.grab_focus()
        settle()
        for name in ("ctrl+a", "1", "2"):
            key(name)
        wait_for(lambda: text_of(edit) == "12", 5)
        settle()
        check(text_of(edit) == "12", f"{caption}: typing 1 2 into {inputs[0]!r} left {text_of(edit)!r}")
        # What it held goes back, so that Done finds nothing to refuse.
        key("ctrl+a")
        key("BackSpace")
        if before:
            subprocess.run(["xdotool", "type", "--delay", "30", before], check=False)
        wait_for(lambda: text_of(edit) == before, 5)
        key("Escape")
        check(wait_for(lambda: window(caption) is None), f"{caption}: Esc did not close it")


def window_menu_by_keyboard(menu_key, letter, caption):
    activate(CALCULATOR)
    dialog = menu_then_letter(key, menu_key, letter, caption, lambda: activate(CALCULATOR))
    if not check(dialog is not None, f"{menu_key} then {letter} did not open {caption!r}"):
        return None
    activate(caption)
    return dialog


def bolt_hole_mnemonics(dialog):
    """Alt+E reaches the number of holes (its text selected), a digit
    replaces it once, Alt+W writes the list."""
    key("alt+e")
    settle()
    key("6")
    settle()
    holes = fields(dialog)["Enter the number of holes:"]
    check(text_of(holes) == "6", f"bolt hole: Alt+E then 6 left {text_of(holes)!r} in the number of holes")
    key("alt+w")
    spacing = fields(dialog)["Spacing Angle:"]
    check(wait_for(lambda: text_of(spacing) == "60.00", 5), f"bolt hole: Alt+W showed spacing {text_of(spacing)!r}")


def main():
    listener = Atspi.EventListener.new(TOLD.heard)
    for kind in ("object:", "window:", "focus:"):
        listener.register(kind)

    calculator = wait_for(lambda: window(CALCULATOR), 30)
    if not check(calculator is not None, "no calculator window on the accessibility bus"):
        return 1
    display = named(calculator, "text", "Display")
    if not check(display is not None, "no display"):
        return 1
    # The display, and the focus holder that speaks for it under its name.
    HOLDERS.extend(c for c in descendants(calculator) if c.get_role_name() == "text" and c.get_name() == "Display")
    check(len(HOLDERS) == 2, f"the display and its focus holder: {len(HOLDERS)} text fields called 'Display'")
    for told in HOLDERS:
        TOLD.start(told)
    activate(CALCULATOR)
    for what, keys, expected in KEY_ROWS:
        type_row(display, what, keys, expected)
    german_keypad_decimal(display)

    loan_by_keyboard(calculator)
    every_dialog_by_keyboard(calculator)

    bolt = window_menu_by_keyboard("shift+F10", "b", "Bolt Hole Dialog")
    if bolt is not None:
        bolt_hole_mnemonics(bolt)
        key("Escape")
        check(wait_for(lambda: window("Bolt Hole Dialog") is None), "bolt hole: Esc did not close it")
    about = window_menu_by_keyboard("Menu", "a", "About Orvel Calc")
    if about is not None:
        key("Return")
        check(wait_for(lambda: window("About Orvel Calc") is None), "About: Enter did not close it")

    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
