#!/usr/bin/python3
"""The calculator as assistive technology sees it, through AT-SPI.

Walks the calculator window and every utility dialog the way a screen
reader or a switch-access tool would: finds controls by role and name (the
toolkit offers no lookup by object name), presses buttons through their
"Press" action, types into input edits through EditableText and reads the
display and result fields through Text. Checks that every button, input edit
and result field has its name, that the Photo Sizing unit buttons say
whether they are height or width, and that the display and the result
fields cannot be rewritten. Run inside the session bus the program uses,
with the program already started on an X display.

Exits 0 when every check passes, 1 otherwise; prints each failure.
"""

import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# get_action_name is deprecated for a get_name the bindings cannot reach
# (Accessible has its own get_name).
warnings.simplefilter("ignore", DeprecationWarning)

APP = "numbrix-calc"
CALCULATOR = "Tarrow Calculator - v2.5"

# One row per utility dialog: how it opens (a button of the calculator
# window), its caption, the push buttons it has, and its text fields by name:
# the input edits (named by their labels) and the read-only fields (result
# fields, and the edit the user cannot type into). A name of "" is a field no
# label stands by.
DIALOGS = [
    ("Trig Util.", "Trig Calculator Dialog", ["Done", "Calc It!", "Clear All"],
     ["Side (c):", "Angle (A):", "Angle (B):", "Side (a):", "Side (b):"], ["Result:"]),
    ("Photo Sizing", "Photo Sizing", ["Done"], ["Height", "Width"], []),
    ("Loans", "Loan Calculator", ["Done", "Calc It!"],
     ["Amount Borrowed: $", "Annual Interest Rate (APR):", "Number of"],
     ["Principle: $", "Interest: $", "Total Amount: $", "Payment: $"]),
    ("Savings", "Savings Interest Calculator", ["Done", "Calc It!"],
     ["Beginning Balance:", "Yearly Interest Rate:", "Calculate for"],
     ["Interest earned: $", "Balance at end of term: $"]),
    ("Interest", "Compounded Interest", ["Done", "Calc It"], ["Payment: $", "APR:", "Calculate for:"],
     ["Accrued Amount $"]),
    ("Credit Card", "Credit Card Payment Planner", ["Done", "Calc It!"],
     ["Credit Card Balance: $", "APR:", "Monthly Payment: $"],
     ["Credit card will be paid off in", "Final Payment: $", "Total Payment: $"]),
    ("Goals", "Reach a Financial Goal", ["Done", "Calc It!"],
     ["Financial Goal: $", "Reach it in", "My Annual Percentage Rate (APR) is:"], ["You will need to deposit $"]),
    ("Early Payoff", "Payoff a Loan Early", ["Done", "Calc It!"],
     ["Current Monthly Payment: $", "# of Payments already made:", "Total # of Payments:",
      "My Annual Percentage Rate (APR) is:"], ["The loan payoff amount is: $"]),
    ("Sys", "About Orvel Calc", ["OK"], [], ["Physical memory free to Windows:", "Hard drive space:"]),
]
# The bolt-hole dialog opens from the system menu.
BOLT_HOLE = ("Bolt Hole Dialog", ["Done", "Write It!", "Copy"],
             ["Enter the number of holes:", "Bolt Circle Dia:", "Total Angle:", "Initial Angle:", "X", "Y", "Z"],
             ["Spacing Angle:", "Hole coordinates"])

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)
    return condition


def wait_for(probe, seconds=10.0):
    """Polls `probe` until it returns something true; None after `seconds`."""
    end = time.monotonic() + seconds
    while True:
        try:
            found = probe()
        except GLib.Error:
            found = None
        if found:
            return found
        if time.monotonic() > end:
            return None
        time.sleep(0.05)


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def descendants(node):
    found = []
    for child in children(node):
        if child is not None:
            found.append(child)
            found.extend(descendants(child))
    return found


def named(node, role, name):
    for child in descendants(node):
        if child.get_role_name() == role and child.get_name() == name:
            return child
    return None


def application():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app is not None and app.get_name() == APP:
            return app
    return None


def window(caption):
    app = application()
    if app is None:
        return None
    for top in children(app):
        if top is not None and top.get_name() == caption and top.get_state_set().contains(Atspi.StateType.VISIBLE):
            return top
    return None


def menu_then_letter(key, menu_key, letter, caption, refocus=lambda: None):
    """Opens the window's menu with `menu_key` and chooses by `letter`, with
    `key` the caller's way of typing a key. Under load the menu may not be
    open yet when the letter comes: then Esc (which closes a menu, or clears
    the display), `refocus` and once more. The window `caption`, or None."""
    for wait in (0.5, 2.0):
        key(menu_key)
        time.sleep(wait)
        key(letter)
        if wait_for(lambda: window(caption), 5) is not None:
            break
        key("Escape")
        refocus()
    return wait_for(lambda: window(caption))


def press(control, waiting=True):
    """Does the control's "Press" action. A button that opens a modal
    dialog answers only when the dialog ends: then the call is not waited
    for (a short timeout) and the caller polls for the dialog instead."""
    for i in range(control.get_n_actions()):
        if control.get_action_name(i) == "Press":
            if waiting:
                return control.do_action(i)
            Atspi.set_timeout(100, -1)
            try:
                control.do_action(i)
            except GLib.Error:
                pass  # the reply comes when the dialog has gone
            finally:
                Atspi.set_timeout(10000, -1)
            return True
    check(False, f"{control.get_name()!r} has no Press action")
    return False


def text_of(control):
    return control.get_text(0, -1)


def fields(dialog, visible=True):
    """The dialog's visible (or hidden) text fields by name."""
    return {f.get_name(): f for f in descendants(dialog) if f.get_role_name() == "text" and
            f.get_state_set().contains(Atspi.StateType.VISIBLE) == visible}


def check_cannot_rewrite(field, where):
    """A read-only field has no EditableText, and writing through it anyway
    changes nothing."""
    check("EditableText" not in field.get_interfaces(), f"{where}: offers EditableText")
    before = text_of(field)
    try:
        field.set_text_contents("666")
        field.insert_text(0, "7", 1)
    except GLib.Error:
        pass
    time.sleep(0.1)
    check(text_of(field) == before, f"{where}: rewritten to {text_of(field)!r} through AT-SPI")


def check_dialog(launcher_press, caption, buttons, inputs, read_only, use=None):
    launcher_press()
    dialog = wait_for(lambda: window(caption))
    if not check(dialog is not None, f"{caption}: did not open"):
        return
    names = {b.get_name() for b in descendants(dialog) if b.get_role_name() == "push button"}
    check(set(buttons) <= names, f"{caption}: buttons {sorted(names)} lack some of {buttons}")
    check(not any("&" in n for n in names), f"{caption}: a button name keeps its '&': {sorted(names)}")
    found = fields(dialog)
    complete = check(sorted(found) == sorted(inputs + read_only), f"{caption}: text fields {sorted(found)}, "
                     f"expected {sorted(inputs + read_only)}")
    for name in inputs:
        if name in found:
            check("EditableText" in found[name].get_interfaces(), f"{caption}: input {name!r} not editable")
    for name in read_only:
        if name in found:
            check_cannot_rewrite(found[name], f"{caption}: {name!r}")
    for name, field in fields(dialog, visible=False).items():
        check_cannot_rewrite(field, f"{caption}: hidden {name!r}")
    if use is not None and complete:
        use(dialog, found)
    done = named(dialog, "push button", buttons[0])
    if check(done is not None, f"{caption}: no {buttons[0]!r} button"):
        press(done)
        check(wait_for(lambda: window(caption) is None), f"{caption}: {buttons[0]!r} did not close it")


def use_loan(dialog, found):
    """The loan of the user guide's example: 10000 at 6 % for 5 years."""
    for name, typed in (("Amount Borrowed: $", "10000"), ("Annual Interest Rate (APR):", "6"), ("Number of", "5")):
        found[name].set_text_contents(typed)
        check(text_of(found[name]) == typed, f"loan: typing {typed!r} into {name!r} through EditableText")
    press(named(dialog, "push button", "Calc It!"))
    interest = found["Interest: $"]
    shown = wait_for(lambda: text_of(interest) if text_of(interest) != "0" else None)
    print(f"loan result as read: name={interest.get_name()!r} role={interest.get_role_name()!r} "
          f"text={shown!r}")
    check(shown == "1599.68", f"loan: Interest shows {shown!r}")
    check(text_of(found["Payment: $"]) == "193.33", f"loan: Payment shows {text_of(found['Payment: $'])!r}")


def use_photo(dialog, found):
    described = sorted((b.get_name(), b.get_description()) for b in descendants(dialog)
                       if b.get_role_name() == "radio button")
    check(described == [("inches", "Height in inches"), ("inches", "Width in inches"),
                        ("pixels", "Height in pixels"), ("pixels", "Width in pixels")],
          f"photo sizing: unit buttons {described}")


def open_bolt_hole(calculator):
    """A right click on the window's background opens its system menu, and
    the menu's mnemonic B its item "Bolt Hole Pattern..." (the toolkit keeps
    pop-up menus out of the accessible tree)."""
    extents = calculator.get_extents(Atspi.CoordType.SCREEN)
    # The window's bottom left corner holds no control.
    Atspi.generate_mouse_event(extents.x + 3, extents.y + extents.height - 3, "b3c")
    time.sleep(0.3)
    Atspi.generate_keyboard_event(ord("b"), None, Atspi.KeySynthType.SYM)


def main():
    calculator = wait_for(lambda: window(CALCULATOR), 30)
    if not check(calculator is not None, "no calculator window on the accessibility bus"):
        return 1
    display = named(calculator, "text", "Display")
    if check(display is not None, "the display is not a text field named 'Display'"):
        for key in ("7", "+", "2", "="):
            button = named(calculator, "push button", key)
            if check(button is not None, f"no key {key!r}"):
                press(button)
        check(wait_for(lambda: text_of(display).strip() in ("9", "9.")),
              f"7 + 2 = shows {text_of(display)!r}")
        check_cannot_rewrite(display, "the display")
    check(named(calculator, "table", "Calendar") is not None, "the calendar is not named")
    check(named(calculator, "frame", "Banner") is not None, "the banner is not named")

    uses = {"Loan Calculator": use_loan, "Photo Sizing": use_photo}
    for launcher, caption, buttons, inputs, read_only in DIALOGS:
        button = named(calculator, "push button", launcher)
        if check(button is not None, f"no launcher {launcher!r}"):
            check_dialog(lambda: press(button, waiting=False), caption, buttons, inputs, read_only,
                         uses.get(caption))
    check_dialog(lambda: open_bolt_hole(calculator), *BOLT_HOLE)

    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
