#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A settings file in the INI form QSettings writes: [section] headers, key=value lines,
// comment lines from ';' or '#', a note after a value from a ';' that follows a blank or the
// closing quote, values in double quotes where they hold separators. The file is kept line by
// line: setting a key changes that key's line alone, and every other byte stays as the user
// wrote it, whatever its encoding.
class CIniFile final
{
public:
    CIniFile() = default;
    explicit CIniFile(std::string_view bytes);

    // The key's value, unquoted and unescaped, as bytes; nothing when its section lacks the key.
    // Where a key is written twice the last one counts, as QSettings reads it.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Changes the value in the key's own line, keeping what surrounds it (spaces, a comment),
    // or adds the key after the last key of its section, or the section at the end.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Takes out every line that sets the key.
    void Remove(std::string_view section, std::string_view key);

    std::string Bytes() const;

private:
    struct Line
    {
        std::string text;    // without its line ending
        std::string ending;  // "\n", "\r\n", "\r", or nothing for a last line without one
        std::string section; // the section the line is in; a header's own
        std::string key;     // empty unless the line sets a key
        bool header = false;
    };

    bool Sets(const Line& line, std::string_view section, std::string_view key) const;
    std::optional<size_t> LastLineOf(std::string_view section, std::string_view key) const;
    void Add(std::string_view section, std::string_view key, std::string_view value);

    std::string m_byteOrderMark;
    std::vector<Line> m_lines;
};
