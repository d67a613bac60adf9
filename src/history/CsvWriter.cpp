#include "history/CsvWriter.h"

#include "history/Utf8Text.h"

void CCsvWriter::AddField(std::string_view bytes)
{
    if (m_recordStarted)
        m_text += ',';
    m_recordStarted = true;
    std::string field = ToUtf8(bytes);
    // A spreadsheet runs a cell that starts like this as a formula, and a directory or profile
    // name is anybody's text; the quote makes it plain text there (OWASP's advice for CSV).
    if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string::npos)
        field.insert(0, 1, '\'');
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        m_text += field;
        return;
    }
    m_text += '"';
    for (const char character : field) {
        if (character == '"')
            m_text += '"';
        m_text += character;
    }
    m_text += '"';
}

void CCsvWriter::EndRecord()
{
    m_text += "\r\n";
    m_recordStarted = false;
}
