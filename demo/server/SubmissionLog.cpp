#include "SubmissionLog.h"

#include <utility>

void CSubmissionLog::Add(DemoSubmission submission)
{
    std::lock_guard lock(m_mutex);
    if (m_submissions.size() == kCapacity)
        m_submissions.pop_front();
    m_submissions.push_back(std::move(submission));
}

std::vector<DemoSubmission> CSubmissionLog::All() const
{
    std::lock_guard lock(m_mutex);
    return {m_submissions.begin(), m_submissions.end()};
}
