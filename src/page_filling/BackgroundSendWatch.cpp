#include "page_filling/BackgroundSendWatch.h"

#include "common/MillisecondClock.h"

bool CBackgroundSendWatch::OnCancelledSubmit(uint32_t now)
{
    return Pair(m_cancelledAt, m_requestAt, kRequestAheadMilliseconds, now);
}

bool CBackgroundSendWatch::OnRequest(uint32_t now)
{
    return Pair(m_requestAt, m_cancelledAt, kRequestAfterMilliseconds, now);
}

void CBackgroundSendWatch::Reset()
{
    m_cancelledAt.reset();
    m_requestAt.reset();
}

bool CBackgroundSendWatch::Pair(std::optional<uint32_t>& noted,
                                const std::optional<uint32_t>& other, uint32_t within, uint32_t now)
{
    if (other && MillisecondsBetween(*other, now) <= within) {
        Reset();
        return true;
    }
    noted = now;
    return false;
}
