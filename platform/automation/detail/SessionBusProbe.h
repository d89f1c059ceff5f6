#pragma once
// Whether the session bus daemon answers at all, found out within a time
// bound before anything in the process connects to it. A daemon that accepts
// connections but never answers (stopped, wedged) would otherwise hold the
// first connection, ours or the toolkit's own, for ever: the bus library
// waits without limit for the daemon's side of the authentication. The probe
// only opens a socket and asks to authenticate; it speaks no further D-Bus
// and connects nothing for real. Qt-free (POSIX sockets).

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

// One place the bus library would try to connect to, from a D-Bus address:
// a Unix socket by path or in the abstract namespace. `probeable` is false
// for an entry of another kind (TCP, autolaunch, ...), which the probe
// cannot speak for.
struct BusSocketEntry {
    bool probeable = false;
    bool abstract = false;
    std::string path;
};

// The entries of `address` in the order the bus library tries them
// (';'-separated, values %-escaped). An entry without a transport, or a
// unix entry with neither path nor abstract name, is left out as the
// library skips it.
std::vector<BusSocketEntry> BusSocketEntriesOf(std::string_view address);

enum class BusProbeResult {
    Answers,      // the daemon answered (or refused us): connecting will not hang
    Unreachable,  // nothing to connect to: connecting fails at once
    Silent,       // accepted but no answer within the bound: connecting would hang
    CannotTell,   // an address the probe does not speak
};

// Probes the first entry of `address` that accepts a connection, as the bus
// library would connect to it, waiting at most `bound` for an answer.
BusProbeResult ProbeBusAddress(std::string_view address, std::chrono::milliseconds bound);

// The session bus address the bus library would use: the environment's, or
// the per-user socket in $XDG_RUNTIME_DIR when that is unset; empty when
// there is none of either.
std::string SessionBusAddress();
