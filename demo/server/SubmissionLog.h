#pragma once

#include "DemoSubmission.h"

#include <cstddef>
#include <deque>
#include <mutex>
#include <vector>

// The submissions the demo site received, oldest first, shared by the server's worker threads.
// Only the latest ones are kept, so a long-running site does not grow without bound.
class CSubmissionLog final
{
public:
    static constexpr std::size_t kCapacity = 500;

    void Add(DemoSubmission submission);
    std::vector<DemoSubmission> All() const;

private:
    mutable std::mutex m_mutex;
    std::deque<DemoSubmission> m_submissions;
};
