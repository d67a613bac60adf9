#include "mail/ConfirmationWords.h"

#include "mail/MailText.h"

#include <algorithm>

CConfirmationWords::CConfirmationWords(std::span<const ConfirmationWordText> files)
{
    for (const ConfirmationWordText& file : files)
        Read(file.text);
}

const CConfirmationWords& CConfirmationWords::BuiltIn()
{
    static const CConfirmationWords words(ConfirmationWordTexts());
    return words;
}

void CConfirmationWords::Read(std::string_view text)
{
    constexpr std::string_view kLanguages = "languages:";
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = TrimmedSpaces(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() == '#')
            continue;
        if (line.starts_with(kLanguages)) {
            std::string_view names = line.substr(kLanguages.size());
            while (!names.empty()) {
                const size_t comma = std::min(names.find(','), names.size());
                if (const std::string_view name = TrimmedSpaces(names.substr(0, comma));
                    !name.empty())
                    m_languages.emplace_back(name);
                names.remove_prefix(std::min(comma + 1, names.size()));
            }
            continue;
        }
        m_words.push_back(LowerCaseUtf8(line));
    }
}

bool CConfirmationWords::AsksToConfirm(std::string_view text) const
{
    const std::string folded = LowerCaseUtf8(text);
    return std::any_of(m_words.begin(), m_words.end(), [&](const std::string& word) {
        return folded.find(word) != std::string::npos;
    });
}
