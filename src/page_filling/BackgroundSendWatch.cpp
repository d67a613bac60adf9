#include "page_filling/BackgroundSendWatch.h"

#include "common/MillisecondClock.h"

bool CBackgroundSendWatch::OnCancelledSubmit(uint32_t now)
{
    return Pair(m_cancelledAt, m_requestAt, kRequestAheadMilliseconds, now);
}

bool CBackgroundSendWatch::OnRequest(const PageRequest& request, const std::string& filledSite,
                                     uint32_t now)
{
    if (request.beacon || (!filledSite.empty() && request.site != filledSite))
        return false;
    // A page that polls sent the same request before the submission too; the request heard
    // ahead of a cancelled submit was the poll's first, not the form's.
    const std::string key = request.method + ' ' + request.address;
    if (!m_heard.insert(key).second) {
        if (key == m_requestKey)
            m_requestAt.reset();
        return false;
    }
    m_requestKey = key;
    return Pair(m_requestAt, m_cancelledAt, kRequestAfterMilliseconds, now);
}

void CBackgroundSendWatch::Reset()
{
    m_cancelledAt.reset();
    m_requestAt.reset();
    m_heard.clear();
}

bool CBackgroundSendWatch::Pair(std::optional<uint32_t>& noted,
                                const std::optional<uint32_t>& other, uint32_t within, uint32_t now)
{
    if (other && MillisecondsBetween(*other, now) <= within) {
        m_cancelledAt.reset();
        m_requestAt.reset();
        return true;
    }
    noted = now;
    return false;
}
