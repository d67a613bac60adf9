#pragma once

#include "common/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>

// Gives out `budget` bytes, then fails the way a full disk does.
class DiskFillsUpWriter final : public CAtomicFileWriter
{
public:
    explicit DiskFillsUpWriter(size_t budget) : m_budget(budget) {}

protected:
    ssize_t WriteSome(int fd, const char* data, size_t size) override
    {
        if (m_budget == 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t chunk = std::min(size, m_budget);
        m_budget -= chunk;
        return CAtomicFileWriter::WriteSome(fd, data, chunk);
    }

private:
    size_t m_budget;
};
