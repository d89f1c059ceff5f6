#!/usr/bin/python3
"""The calculator on a Wayland compositor, through AT-SPI and the bus.

Run by atspi-wayland.sh inside the session bus the program uses, with the
program started on the compositor and its Wayland request log in the file
NUMBRIX_PROGRAM_LOG. Presses keys by their "Press" action (AT-SPI cannot
send key events to a Wayland client), reads the display, opens and closes
every utility dialog and the About box from the calculator window, works
the loan dialog, drives the window through the running object on the bus,
and reads the request log for what the compositor was asked to show.

Exits 0 when every check passes, 1 otherwise; prints each failure and what
it read.
"""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "xvfb"))
import atspi_walk as walk  # noqa: E402
from atspi_walk import check, named, press, text_of, wait_for, window  # noqa: E402
from gi.repository import Gio, GLib  # noqa: E402

RUNNING = "numbrix.calculator.Running"
CALCULATOR_INTERFACE = "numbrix.calculator.Calculator"


def requests(pattern):
    """The Wayland requests of the program's log that match `pattern`."""
    with open(os.environ["NUMBRIX_PROGRAM_LOG"], errors="replace") as log:
        return [line.strip() for line in log if " -> " in line and re.search(pattern, line)]


def titled_toplevels():
    """Window captions the program gave the compositor's toplevels."""
    return [re.search(r'set_title\("(.*)"\)', line).group(1) for line in requests(r"xdg_toplevel@\d+\.set_title\(")]


def bus_call(bus, member, *arguments):
    signature = "(" + "s" * len(arguments) + ")"
    return bus.call_sync(RUNNING, "/Calculator", CALCULATOR_INTERFACE, member,
                         GLib.Variant(signature, arguments) if arguments else None, None,
                         Gio.DBusCallFlags.NONE, 5000, None)


def bus_property(bus, name):
    reply = bus.call_sync(RUNNING, "/Calculator", "org.freedesktop.DBus.Properties", "Get",
                          GLib.Variant("(ss)", (CALCULATOR_INTERFACE, name)), None,
                          Gio.DBusCallFlags.NONE, 5000, None)
    return reply.unpack()[0]


def keys(calculator, display):
    for key in ("7", "+", "2", "="):
        button = named(calculator, "push button", key)
        if check(button is not None, f"no key {key!r}"):
            press(button)
    shown = wait_for(lambda: text_of(display).strip() == "9." and text_of(display))
    print(f"7 + 2 = by the keys' Press actions: the display reads {text_of(display)!r}", flush=True)
    check(shown, f"7 + 2 = shows {text_of(display)!r}")


def automation(display):
    """The user's calculator through its running object: keys pressed by a
    client show in the window, its registers read back."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    has_owner = lambda: bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                      "NameHasOwner", GLib.Variant("(s)", (RUNNING,)), None,
                                      Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    if not check(wait_for(has_owner), f"{RUNNING} is not on the bus"):
        return
    bus_call(bus, "Clear")
    for key in ("6", "*", "7", "="):
        bus_call(bus, "Button", key)
    shown = wait_for(lambda: text_of(display).strip() == "42." and text_of(display))
    print(f"Clear, 6 * 7 = through {RUNNING}: the display reads {text_of(display)!r}, "
          f"Accum {bus_property(bus, 'Accum')}, Visible {bus_property(bus, 'Visible')}", flush=True)
    check(shown, f"6 * 7 = from the bus shows {text_of(display)!r}")
    check(bus_property(bus, "Accum") == 42, "Accum after 6 * 7 =")
    check(bus_property(bus, "Visible") is True, "Visible of the shown window")


def main():
    calculator = wait_for(lambda: window(walk.CALCULATOR), 30)
    if not check(calculator is not None, "no calculator window on the accessibility bus"):
        return 1
    check(walk.CALCULATOR in titled_toplevels(),
          f"the compositor was not given the calculator window: toplevels {titled_toplevels()}")
    app_ids = [line for line in requests(r"xdg_toplevel@\d+\.set_app_id\(")]
    check(any('"numbrix-calc"' in line for line in app_ids),
          f"the calculator window names no desktop entry: {app_ids}")

    display = named(calculator, "text", "Display")
    if check(display is not None, "the display is not a text field named 'Display'"):
        keys(calculator, display)
        automation(display)
    check(named(calculator, "frame", "Banner") is not None, "the banner is not named")

    uses = {"Loan Calculator": walk.use_loan}
    for launcher, caption, buttons, inputs, read_only in walk.DIALOGS:
        button = named(calculator, "push button", launcher)
        if check(button is not None, f"no launcher {launcher!r}"):
            walk.check_dialog(lambda: press(button, waiting=False), caption, buttons, inputs, read_only,
                              uses.get(caption))

    # Every dialog was a toplevel of the compositor's, attached to the
    # calculator window (a Wayland dialog without a parent floats free).
    toplevels = titled_toplevels()
    print(f"toplevels the compositor was given: {toplevels}", flush=True)
    for _, caption, *_ in walk.DIALOGS:
        check(caption in toplevels, f"{caption}: never shown on the compositor")
    parents = requests(r"xdg_toplevel@\d+\.set_parent\(xdg_toplevel@")
    check(len(parents) >= len(walk.DIALOGS), f"{len(parents)} dialogs attached to a parent: {parents}")

    print(f"{len(walk.failures)} failure(s)")
    return 1 if walk.failures else 0


if __name__ == "__main__":
    sys.exit(main())
