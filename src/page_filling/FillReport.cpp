#include "page_filling/FillReport.h"

#include "common/TextCatalogue.h"

#include <algorithm>

namespace {

constexpr const char* kSeparator = " \u00b7 ";

// Each missing name once: a directory that fills two fields of one name lacks the name once.
std::string MissingNames(const std::vector<std::string>& missing)
{
    std::vector<std::string> listed;
    std::string text;
    for (const std::string& name : missing) {
        if (std::find(listed.begin(), listed.end(), name) != listed.end())
            continue;
        text += (listed.empty() ? "" : ", ") + name;
        listed.push_back(name);
    }
    return text;
}

} // namespace

StatusMessage DescribeFill(const FillReport& report)
{
    if (report.fieldsSet <= 0)
        return {KESTRINE_TEXT("FillReport", "No field of this directory was found on the page"),
                true};
    std::string text =
        FillIn(TranslatedText(KESTRINE_COUNT_TEXT("FillReport", "Filled %1 of %n fields"),
                              report.fieldsTotal),
               {std::to_string(report.fieldsSet)});
    if (!report.missing.empty())
        text += kSeparator + FillIn(KESTRINE_TEXT("FillReport", "not found: %1"),
                                    {MissingNames(report.missing)});
    // Without a watched form the sent mark can never come, which the user should know now
    // rather than after submitting.
    if (!report.formWatched)
        text += kSeparator + KESTRINE_TEXT("FillReport", "the submission will not be noticed");
    return {text, false};
}
