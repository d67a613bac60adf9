#include "profiles/StateLineReader.h"

#include "common/AtoiText.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Counts are read as atoi reads them; a negative count means none.
size_t ParseCount(std::string_view line)
{
    const AtoiReading reading = ReadAtoi(line);
    if (reading.negative)
        return 0;
    return static_cast<size_t>(
        std::min<uint64_t>(reading.magnitude, std::numeric_limits<size_t>::max()));
}

constexpr size_t kChunkSize = 64 * 1024;

} // namespace

CStateLineReader::CStateLineReader(std::istream& in)
    : m_in(in), m_capacity(kChunkSize), m_buffer(std::make_unique_for_overwrite<char[]>(kChunkSize))
{}

bool CStateLineReader::Refill()
{
    // A line longer than the buffer makes it grow; otherwise the unread rest moves to the front.
    if (m_unread.size() == m_capacity) {
        auto larger = std::make_unique_for_overwrite<char[]>(m_capacity * 2);
        std::memcpy(larger.get(), m_unread.data(), m_unread.size());
        m_buffer = std::move(larger);
        m_capacity *= 2;
    } else if (!m_unread.empty()) {
        std::memmove(m_buffer.get(), m_unread.data(), m_unread.size());
    }
    const size_t kept = m_unread.size();
    m_in.read(m_buffer.get() + kept, static_cast<std::streamsize>(m_capacity - kept));
    const auto added = static_cast<size_t>(m_in.gcount());
    m_unread = std::string_view(m_buffer.get(), kept + added);
    return added > 0;
}

std::string_view CStateLineReader::NextLine()
{
    size_t lineFeed = m_unread.find('\n');
    while (lineFeed == std::string_view::npos) {
        const size_t searched = m_unread.size();
        if (!Refill())
            break;
        lineFeed = m_unread.find('\n', searched);
    }
    std::string_view line = m_unread.substr(0, lineFeed);
    m_unread.remove_prefix(lineFeed == std::string_view::npos ? m_unread.size() : lineFeed + 1);
    // Also drops the CR of a last line cut between its CR and its LF.
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

size_t CStateLineReader::ReadCount()
{
    return ParseCount(NextLine());
}
