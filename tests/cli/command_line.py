#!/usr/bin/python3
"""The real program's command line: --help, -h, --version and refused
arguments print what they should, end with their status, and touch no
display and no bus on the way.

Each run gets a session bus address and a Wayland display that are sockets
of this script's, listening and counting who connects, and no X display.
The plain run (no arguments) is the control: it must be seen reaching both
(it probes the bus, Qt tries the compositor, which hangs up on it, and Qt
ends the run), or the check of the other runs would prove nothing.

Usage: command_line.py PROGRAM VERSION
Exits 0 when every check passes, 1 otherwise; prints each run's outputs.
"""

import os
import socket
import subprocess
import sys
import tempfile
import threading

program, version = os.path.abspath(sys.argv[1]), sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)


class Listener:
    """A Unix socket that counts the connections made to it."""

    def __init__(self, path):
        self.connections = 0
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.bind(path)
        self.sock.listen(8)
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while True:
            try:
                peer, _ = self.sock.accept()
            except OSError:
                return
            self.connections += 1
            peer.close()


def run(arguments):
    """Runs the program with `arguments`; returns (status, stdout, stderr,
    connections to the bus, connections to the compositor)."""
    with tempfile.TemporaryDirectory() as work:
        runtime = os.path.join(work, "runtime")
        os.mkdir(runtime, 0o700)
        bus = Listener(os.path.join(work, "bus"))
        compositor = Listener(os.path.join(runtime, "wayland-0"))
        environment = {k: v for k, v in os.environ.items()
                       if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "WAYLAND_SOCKET")}
        environment.update(XDG_RUNTIME_DIR=runtime, XDG_DATA_HOME=os.path.join(work, "data"),
                           DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(work, "bus"))
        done = subprocess.run([program] + arguments, env=environment, cwd=work, capture_output=True, text=True,
                              timeout=60)
        registered = os.path.exists(os.path.join(work, "data", "dbus-1"))
        print(f"$ numbrix-calc {' '.join(arguments)}\n  status {done.returncode}, stdout {done.stdout!r},\n"
              f"  stderr {done.stderr!r}, bus connections {bus.connections}, "
              f"compositor connections {compositor.connections}", flush=True)
        check(not registered, f"{arguments}: wrote the activation file")
        return done.returncode, done.stdout, done.stderr, bus.connections, compositor.connections


def check_untouched(arguments, bus, compositor):
    check(bus == 0, f"{arguments}: connected to the session bus")
    check(compositor == 0, f"{arguments}: connected to the Wayland display")


# The control: a plain run reaches for both, and cannot start.
status, out, err, bus, compositor = run([])
check(status != 0, "the plain run started on a compositor that hangs up")
check(bus > 0 and compositor > 0, "the plain run was not seen at the bus and the compositor: the check is blind")

helps = []
for option in ("--help", "-h"):
    status, out, err, bus, compositor = run([option])
    check(status == 0, f"{option}: status {status}")
    check(out.startswith("Usage: numbrix-calc [OPTION]...\n") and "--version" in out, f"{option}: usage {out!r}")
    check(err == "", f"{option}: said {err!r} on stderr")
    check_untouched([option], bus, compositor)
    helps.append(out)
check(helps[0] == helps[1], "--help and -h print different usages")

status, out, err, bus, compositor = run(["--version"])
check((status, out, err) == (0, f"numbrix-calc {version}\n", ""), f"--version: {status} {out!r} {err!r}")
check_untouched(["--version"], bus, compositor)

for arguments, complaint in ((["--frob"], "unknown option '--frob'"),
                             (["-Automation", "-x"], "unknown option '-x'"),
                             (["-style"], "option '-style' needs a value"),
                             (["stray"], "unexpected argument 'stray'")):
    status, out, err, bus, compositor = run(arguments)
    expected = f"numbrix-calc: {complaint}\nTry 'numbrix-calc --help' for more information.\n"
    check((status, out, err) == (2, "", expected), f"{arguments}: {status} {out!r} {err!r}")
    check_untouched(arguments, bus, compositor)

print(f"{len(failures)} failure(s)")
sys.exit(1 if failures else 0)
