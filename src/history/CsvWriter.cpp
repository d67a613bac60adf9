#include "history/CsvWriter.h"

#include "history/Utf8Text.h"

void CCsvWriter::AddField(std::string_view bytes)
{
    if (m_recordStarted)
        m_text += ',';
    m_recordStarted = true;
    const std::string field = ToUtf8(bytes);
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
