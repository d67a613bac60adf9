#include "common/IniFile.h"

#include <algorithm>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

std::string_view TrimEnd(std::string_view text)
{
    const size_t last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : TrimEnd(text.substr(first));
}

// Where the value lies in a key's line: from the first character after '=' and its blanks to
// the closing quote, or to a comment or the end of the line without the blanks before it.
struct Span
{
    size_t begin;
    size_t end;
};

Span ValueSpan(std::string_view line)
{
    const size_t begin = line.find_first_not_of(kBlanks, line.find('=') + 1);
    if (begin == std::string_view::npos)
        return {line.size(), line.size()};
    if (line[begin] != '"') {
        const std::string_view value = line.substr(begin, line.find(';', begin) - begin);
        return {begin, begin + TrimEnd(value).size()};
    }
    size_t end = begin + 1;
    while (end < line.size() && line[end] != '"')
        end += line[end] == '\\' ? 2 : 1;
    return {begin, std::min(end + 1, line.size())};
}

std::string Unescape(std::string_view raw)
{
    if (!raw.empty() && raw.front() == '"') {
        raw.remove_prefix(1);
        if (!raw.empty() && raw.back() == '"')
            raw.remove_suffix(1);
    }
    std::string value;
    for (size_t index = 0; index < raw.size(); ++index) {
        char c = raw[index];
        if (c == '\\' && index + 1 < raw.size()) {
            c = raw[++index];
            if (c == 'n')
                c = '\n';
            else if (c == 'r')
                c = '\r';
            else if (c == 't')
                c = '\t';
        }
        value += c;
    }
    return value;
}

// As QSettings writes a value: in double quotes when it holds a separator, a quote, a
// backslash, a line break or blanks at either end, so that reading it gives it back whole.
std::string Encode(std::string_view value)
{
    const bool quoted = value.find_first_of(";,=\"\\\r\n\t") != std::string_view::npos ||
                        Trim(value).size() != value.size();
    if (!quoted)
        return std::string(value);
    std::string encoded = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            encoded += '\\';
        if (c == '\n')
            encoded += "\\n";
        else if (c == '\r')
            encoded += "\\r";
        else if (c == '\t')
            encoded += "\\t";
        else
            encoded += c;
    }
    return encoded + '"';
}

} // namespace

CIniFile::CIniFile(std::string_view bytes)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        m_byteOrderMark = kByteOrderMark;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string section;
    while (!bytes.empty()) {
        const size_t newline = bytes.find('\n');
        std::string_view text = bytes.substr(0, newline);
        Line line;
        if (newline != std::string_view::npos) {
            line.ending = !text.empty() && text.back() == '\r' ? "\r\n" : "\n";
            text.remove_suffix(line.ending.size() - 1);
        }
        bytes.remove_prefix(std::min(bytes.size(), text.size() + line.ending.size()));
        line.text = text;
        const std::string_view content = Trim(text);
        if (!content.empty() && content.front() == '[') {
            const size_t close = content.rfind(']');
            section = Trim(content.substr(1, close == std::string_view::npos ? close : close - 1));
            line.header = true;
        } else if (!content.empty() && content.front() != ';' && content.front() != '#') {
            const size_t equals = content.find('=');
            if (equals != std::string_view::npos)
                line.key = Trim(content.substr(0, equals));
        }
        line.section = section;
        m_lines.push_back(std::move(line));
    }
}

std::optional<std::string> CIniFile::Value(std::string_view section, std::string_view key) const
{
    const std::optional<size_t> index = LastLineOf(section, key);
    if (!index)
        return std::nullopt;
    const std::string_view text = m_lines[*index].text;
    const Span span = ValueSpan(text);
    return Unescape(text.substr(span.begin, span.end - span.begin));
}

void CIniFile::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    if (const std::optional<size_t> index = LastLineOf(section, key)) {
        std::string& text = m_lines[*index].text;
        const Span span = ValueSpan(text);
        text.replace(span.begin, span.end - span.begin, Encode(value));
        return;
    }
    Add(section, key, value);
}

void CIniFile::Remove(std::string_view section, std::string_view key)
{
    std::erase_if(m_lines, [&](const Line& line) { return Sets(line, section, key); });
}

std::string CIniFile::Bytes() const
{
    std::string bytes = m_byteOrderMark;
    for (const Line& line : m_lines)
        bytes.append(line.text).append(line.ending);
    return bytes;
}

bool CIniFile::Sets(const Line& line, std::string_view section, std::string_view key) const
{
    return !line.header && line.section == section && line.key == key;
}

std::optional<size_t> CIniFile::LastLineOf(std::string_view section, std::string_view key) const
{
    std::optional<size_t> last;
    for (size_t index = 0; index < m_lines.size(); ++index) {
        if (Sets(m_lines[index], section, key))
            last = index;
    }
    return last;
}

void CIniFile::Add(std::string_view section, std::string_view key, std::string_view value)
{
    // New lines end as the file's own lines do.
    const std::string ending = m_lines.empty() || m_lines.front().ending.empty()
                                   ? std::string("\n")
                                   : m_lines.front().ending;
    if (!m_lines.empty() && m_lines.back().ending.empty())
        m_lines.back().ending = ending;
    const Line added{std::string(key) + '=' + Encode(value), ending, std::string(section),
                     std::string(key)};
    // After the last key of the section, or its header; comments and blank lines that follow
    // belong to what comes next.
    std::optional<size_t> after;
    for (size_t index = 0; index < m_lines.size(); ++index) {
        const Line& line = m_lines[index];
        if (line.section == section && (line.header || !line.key.empty()))
            after = index;
    }
    if (after) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*after) + 1, added);
        return;
    }
    if (section.empty()) {
        m_lines.insert(m_lines.begin(), added);
        return;
    }
    // A section of its own at the end, a blank line apart as QSettings writes them.
    if (!m_lines.empty() && !Trim(m_lines.back().text).empty())
        m_lines.push_back({std::string(), ending, m_lines.back().section, std::string()});
    m_lines.push_back(
        {'[' + std::string(section) + ']', ending, std::string(section), std::string(), true});
    m_lines.push_back(added);
}
