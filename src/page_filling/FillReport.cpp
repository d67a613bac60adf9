#include "page_filling/FillReport.h"

#include "common/TextCatalogue.h"

#include <algorithm>

namespace {

constexpr const char* kSeparator = " \u00b7 ";

// Each name once: a directory that fills two fields of one name lacks the name once, and a
// page may give two fields one caption.
std::string ListedOnce(const std::vector<std::string>& names)
{
    std::vector<std::string> listed;
    std::string text;
    for (const std::string& name : names) {
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
    if (report.fieldsSet <= 0 && report.componentsOutOfReach) {
        return {KESTRINE_TEXT("FillReport", "No field of this directory was found on the page") +
                    kSeparator +
                    KESTRINE_TEXT("FillReport",
                                  "its form may be inside components whose fields cannot be "
                                  "reached"),
                true};
    }
    if (report.fieldsSet <= 0)
        return {KESTRINE_TEXT("FillReport", "No field of this directory was found on the page"),
                true};
    std::string text =
        FillIn(TranslatedText(KESTRINE_COUNT_TEXT("FillReport", "Filled %1 of %n fields"),
                              report.fieldsTotal),
               {std::to_string(report.fieldsSet)});
    // The user should know that the profile went into a frame, and whose.
    if (!report.frame.empty())
        text +=
            kSeparator + FillIn(KESTRINE_TEXT("FillReport", "in a frame of %1"), {report.frame});
    if (!report.missing.empty())
        text += kSeparator +
                FillIn(KESTRINE_TEXT("FillReport", "not found: %1"), {ListedOnce(report.missing)});
    // Without a watched form the sent mark can never come, which the user should know now
    // rather than after submitting.
    if (!report.formWatched)
        text += kSeparator + KESTRINE_TEXT("FillReport", "the submission will not be noticed");
    if (report.categoryAsChosenBefore)
        text += kSeparator + KESTRINE_TEXT("FillReport", "Category: as you chose last time");
    text += kSeparator + DescribeLeftForUser(report.leftForUser);
    return {text, false};
}

std::string DescribeLeftForUser(const std::vector<std::string>& captions)
{
    if (captions.empty())
        return KESTRINE_TEXT("FillReport", "nothing left for you");
    return FillIn(KESTRINE_TEXT("FillReport", "left for you: %1"), {ListedOnce(captions)});
}
