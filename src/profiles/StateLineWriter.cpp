#include "profiles/StateLineWriter.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

} // namespace

void AppendStateLine(std::string& bytes, std::string_view value)
{
    const size_t start = bytes.size();
    bytes.append(value);
    // A line feed left in would shift every later line of the file and scramble all the
    // profiles after it.
    if (value.find('\n') != std::string_view::npos)
        std::replace(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(), '\n', ' ');
    bytes.append(kLineBreak);
}

void MakeStoredLineValue(std::string& value)
{
    std::replace(value.begin(), value.end(), '\n', ' ');
}

std::string StoredLineValue(std::string_view value)
{
    std::string stored(value);
    MakeStoredLineValue(stored);
    return stored;
}

void AppendStateCount(std::string& bytes, size_t count)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, count).ptr;
    bytes.append(digits, static_cast<size_t>(end - digits));
    bytes.append(kLineBreak);
}
