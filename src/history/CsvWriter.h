#pragma once

#include <string>
#include <string_view>

// Builds CSV text as RFC 4180 has it: fields separated by commas, records ended by CR LF, a
// field quoted when it holds a comma, a quote, CR or LF, and quotes inside doubled. Every field
// is turned into UTF-8 on the way in (see ToUtf8), and one that starts with "=", "+", "-", "@",
// a tab or a carriage return gets a "'" before it, so that a spreadsheet shows it as text
// rather than running it as a formula.
class CCsvWriter final
{
public:
    void AddField(std::string_view bytes);
    void EndRecord();

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    bool m_recordStarted = false;
};
