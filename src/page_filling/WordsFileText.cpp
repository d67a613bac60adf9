#include "page_filling/WordsFileText.h"

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kLanguagesKey = "languages:";

} // namespace

std::string_view TrimmedWordsLine(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> SplitWordsLine(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const size_t end = text.find_first_of(separators);
        if (const std::string_view part = TrimmedWordsLine(text.substr(0, end)); !part.empty())
            parts.push_back(part);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return parts;
}

void CWordsFileReader::ReadText(std::string_view text, std::vector<std::string>& languages,
                                std::vector<std::string>& errors)
{
    m_errors = &errors;
    ForEachWordsLine(text, [this, &languages](std::string_view line, size_t number) {
        m_line = number;
        ReadLine(line, languages);
    });
    if (languages.empty())
        errors.push_back("no \"languages:\" line");
}

void CWordsFileReader::ReadLine(std::string_view line, std::vector<std::string>& languages)
{
    if (line.empty() || line.starts_with('#'))
        return;
    if (line.starts_with(kLanguagesKey)) {
        if (m_section != Section::None)
            return Fail("the languages come before the first section");
        for (const std::string_view language :
             SplitWordsLine(line.substr(kLanguagesKey.size()), ","))
            languages.emplace_back(language);
    } else if (line.starts_with('[') && line.ends_with(']')) {
        const bool read = ReadHeading(TrimmedWordsLine(line.substr(1, line.size() - 2)));
        m_section = read ? Section::Read : Section::Faulty;
    } else if (m_section == Section::Read) {
        ReadEntry(line);
    } else if (m_section == Section::None) {
        Fail("", line, " stands before any section");
    }
}

void CWordsFileReader::Fail(std::string_view before, std::string_view text, std::string_view after)
{
    std::string what(before);
    what += '"';
    what += text;
    what += '"';
    what += after;
    Fail(what);
}

void CWordsFileReader::Fail(std::string_view what)
{
    std::string error = "line ";
    error += std::to_string(m_line);
    error += ": ";
    error += what;
    m_errors->push_back(std::move(error));
}
