#pragma once
// The session bus checked while the application starts: the probe
// (detail/SessionBusProbe) runs on a thread of its own from construction,
// so it costs no time while Qt starts, and Settle() acts on its answer
// before anything connects. A daemon that accepts but never answers is,
// for this process, no bus at all. Without a check, AfxOleInit probes
// itself when it first runs.

#include <future>

enum class BusProbeResult;

class CSessionBusCheck {
public:
    CSessionBusCheck();
    ~CSessionBusCheck();
    CSessionBusCheck(const CSessionBusCheck&) = delete;
    CSessionBusCheck& operator=(const CSessionBusCheck&) = delete;

    // Waits for the probe's answer and acts on it; later calls do nothing.
    void Settle();

private:
    std::future<BusProbeResult> m_probe;
};
