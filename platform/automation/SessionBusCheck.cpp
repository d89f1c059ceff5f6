#include "platform/automation/SessionBusCheck.h"

#include "platform/automation/detail/OleExports.h"
#include "platform/automation/detail/SessionBusProbe.h"

CSessionBusCheck::CSessionBusCheck()
    : m_probe(std::async(std::launch::async, [address = SessionBusAddress()] {
          return ProbeBusAddress(address, kSessionBusAnswerBound);
      }))
{
}

CSessionBusCheck::~CSessionBusCheck()
{
    if (m_probe.valid())
        m_probe.wait();
}

void CSessionBusCheck::Settle()
{
    if (m_probe.valid())
        SettleSessionBus(m_probe.get());
}
