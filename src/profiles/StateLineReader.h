#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

// Reads sv.dat's lines from a stream, a chunk at a time. A line ends at LF, and one CR just
// before it is dropped, so LF and CR LF files read alike; the last line may lack its break.
// Once the stream is used up, every further line reads as empty and every further count as 0.
class CStateLineReader
{
public:
    // The stream must outlive the reader.
    explicit CStateLineReader(std::istream& in);
    CStateLineReader(const CStateLineReader&) = delete;
    CStateLineReader& operator=(const CStateLineReader&) = delete;

    std::string ReadLine() { return std::string(NextLine()); }
    // A count line read the way atoi reads it: leading white space, an optional sign, then
    // digits up to the first other character. No digits or a negative number give 0; a number
    // too large for size_t gives the largest size_t, which no caller can honour in full anyway.
    size_t ReadCount();

    bool AtEnd() { return m_unread.empty() && !Refill(); }

private:
    // The view lasts until the next read.
    std::string_view NextLine();
    // Brings more of the stream in behind the unread part; false when the stream has no more.
    bool Refill();

    std::istream& m_in;
    size_t m_capacity;
    std::unique_ptr<char[]> m_buffer;
    std::string_view m_unread;
};
