#!/usr/bin/python3
"""What a screen reader user hears: Debian's Orca, end to end.

Starts Orca with a throwaway preferences directory whose
orca-customizations.py (tests/xvfb/orca/) sends its speech to a file instead
of a speech synthesizer, types 7 + 2 = at the calculator as real key
presses and checks that Orca said each number the display showed, then fills
in the loan dialog from the keyboard, computes with Enter, walks to the
results with Tab and checks that Orca read each result with its name.

Exits 0 when every check passes, 1 otherwise; prints what Orca said.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from atspi_walk import CALCULATOR, check, failures, fields, named, press, wait_for, window
from real_keys import activate, key, settle

HERE = os.path.dirname(os.path.abspath(__file__))


class Orca:
    """Orca running against the session's accessibility bus, speaking into
    a file."""

    def __init__(self, work):
        prefs = os.path.join(work, "orca-prefs")
        os.makedirs(prefs)
        shutil.copy(os.path.join(HERE, "orca", "orca-customizations.py"), prefs)
        self.log = os.path.join(work, "speech.log")
        open(self.log, "w").close()
        env = dict(os.environ, NUMBRIX_ORCA_DIR=os.path.join(HERE, "orca"), NUMBRIX_SPEECH_LOG=self.log)
        self.process = subprocess.Popen(["orca", "--replace", "-u", prefs], env=env,
                                        stdout=open(os.path.join(work, "orca.log"), "w"),
                                        stderr=subprocess.STDOUT)
        self.read = 0

    def said(self):
        with open(self.log, encoding="utf-8") as log:
            return [line.strip() for line in log]

    def new(self, seconds=1.0):
        """What was said since the last call, after `seconds` of quiet."""
        time.sleep(seconds)
        lines = self.said()
        fresh, self.read = lines[self.read:], len(lines)
        return fresh

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


def main():
    calculator = wait_for(lambda: window(CALCULATOR), 30)
    if not check(calculator is not None, "no calculator window on the accessibility bus"):
        return 1
    orca = Orca(tempfile.mkdtemp(dir=os.environ.get("NUMBRIX_WORK")))
    try:
        started = wait_for(lambda: any("Screen reader on" in line for line in orca.said()), 30)
        if not check(started, f"Orca did not start: it said {orca.said()}"):
            return 1
        activate(CALCULATOR)
        orca.new()
        heard = []
        display = named(calculator, "text", "Display")
        for name, number in (("7", "7."), ("plus", "7."), ("2", "2."), ("Return", "9.")):
            key(name)
            wait_for(lambda: display.get_text(0, -1) == number, 5)
            said = orca.new()
            heard.append(said)
            if name != "plus":  # the display does not change: nothing new to say
                check(number in said, f"keying {name}: Orca said {said}, not the display's {number!r}")
        print("7 + 2 =, Orca said:", heard)

        press(named(calculator, "push button", "Loans"), waiting=False)
        dialog = wait_for(lambda: window("Loan Calculator"))
        if not check(dialog is not None, "the loan dialog did not open"):
            return 1
        activate("Loan Calculator")
        fields(dialog)["Amount Borrowed: $"].grab_focus()
        settle()
        for name in "ctrl+a 1 0 0 0 0 Tab 6 Tab 5 Return".split():
            key(name)
            settle()
        orca.new()
        walk = []
        for _ in range(12):
            key("Tab")
            walk.extend(orca.new(0.6))
        print("Tab after Calc It!, Orca said:", walk)
        # Orca says a field's name and role, then its text.
        spoken = " ".join(walk)
        for name, value in (("Interest: $", "1599.68"), ("Payment: $", "193.33")):
            check(f"{name} read only text. {value}" in spoken, f"loan: Orca never read {name} {value} while tabbing")
        key("Escape")
    finally:
        orca.stop()
    print(f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
