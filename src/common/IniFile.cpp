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

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Where the value lies in a key's line: from the first character after '=' and its blanks to a
// comment or the end of the line, without the blanks before them. A value may begin in double
// quotes, which hold ';' and blanks; outside them a ';' begins a comment where it begins the
// value or follows a blank or the closing quote, so that "http://a/x;y" is one value and
// "x ; note" is a value and a note.
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
    bool quoted = line[begin] == '"';
    size_t closedAt = std::string_view::npos; // just past the closing quote
    size_t end = quoted ? begin + 1 : begin;
    for (size_t at = quoted ? begin + 1 : begin; at < line.size();) {
        const char c = line[at];
        if (!quoted && c == ';' && (at == begin || at == closedAt || IsBlank(line[at - 1])))
            break;
        at = std::min(line.size(), at + (c == '\\' ? 2 : 1));
        if (quoted && c == '"') {
            quoted = false;
            closedAt = at;
        }
        if (!IsBlank(c) || quoted)
            end = at;
    }
    return {begin, end};
}

// The value of a span: without the quotes that begin it and close them, escapes undone.
std::string Unescape(std::string_view raw)
{
    bool quoted = !raw.empty() && raw.front() == '"';
    if (quoted)
        raw.remove_prefix(1);
    std::string value;
    for (size_t index = 0; index < raw.size(); ++index) {
        char c = raw[index];
        if (quoted && c == '"') {
            quoted = false;
            continue;
        }
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
        // Lines end in "\n", "\r\n" or, as old Mac editors write them, "\r" alone.
        const size_t breakAt = bytes.find_first_of("\r\n");
        const std::string_view text = bytes.substr(0, breakAt);
        Line line;
        if (breakAt != std::string_view::npos) {
            const std::string_view next = bytes.substr(breakAt);
            line.ending = next.starts_with("\r\n") ? "\r\n" : next[0] == '\r' ? "\r" : "\n";
        }
        bytes.remove_prefix(text.size() + line.ending.size());
        line.text = text;
        const std::string_view content = Trim(text);
        if (!content.empty() && content.front() == '[') {
            // A section's name holds no ']' (QSettings writes it as %5D): what follows the
            // first one is a note, such as "; see [notes]".
            section = Trim(content.substr(1, content.find(']', 1) - 1));
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
        std::string encoded = Encode(value);
        // A note written right after the old value ("x";note) stays a note after the new one.
        if (span.end < text.size() && text[span.end] == ';')
            encoded += ' ';
        text.replace(span.begin, span.end - span.begin, encoded);
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
    // A last line without an ending gets one only when a line comes after it.
    const auto endLastLine = [&] {
        if (!m_lines.empty() && m_lines.back().ending.empty())
            m_lines.back().ending = ending;
    };
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
        if (*after + 1 == m_lines.size())
            endLastLine();
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*after) + 1, added);
        return;
    }
    if (section.empty()) {
        m_lines.insert(m_lines.begin(), added);
        return;
    }
    // A section of its own at the end, a blank line apart as QSettings writes them.
    endLastLine();
    if (!m_lines.empty() && !Trim(m_lines.back().text).empty())
        m_lines.push_back({std::string(), ending, m_lines.back().section, std::string()});
    m_lines.push_back(
        {'[' + std::string(section) + ']', ending, std::string(section), std::string(), true});
    m_lines.push_back(added);
}
