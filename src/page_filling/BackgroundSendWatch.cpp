#include "page_filling/BackgroundSendWatch.h"

#include "common/MillisecondClock.h"

bool CBackgroundSendWatch::OnCancelledSubmit(uint32_t now)
{
    if (m_requestAt && MillisecondsBetween(*m_requestAt, now) <= kRequestAheadMilliseconds) {
        Reset();
        return true;
    }
    m_cancelledAt = now;
    return false;
}

bool CBackgroundSendWatch::OnRequest(uint32_t now)
{
    if (m_cancelledAt && MillisecondsBetween(*m_cancelledAt, now) <= kRequestAfterMilliseconds) {
        Reset();
        return true;
    }
    m_requestAt = now;
    return false;
}

void CBackgroundSendWatch::Reset()
{
    m_cancelledAt.reset();
    m_requestAt.reset();
}
