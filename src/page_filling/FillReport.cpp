#include "page_filling/FillReport.h"

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
        return {"No field of this directory was found on the page" + std::string(kSeparator) +
                    "its form may be inside components whose fields cannot be reached",
                true};
    }
    if (report.fieldsSet <= 0)
        return {"No field of this directory was found on the page", true};
    std::string text = "Filled " + std::to_string(report.fieldsSet) + " of " +
                       std::to_string(report.fieldsTotal) + " fields";
    if (!report.missing.empty())
        text += kSeparator + std::string("not found: ") + ListedOnce(report.missing);
    // Without a watched form the sent mark can never come, which the user should know now
    // rather than after submitting.
    if (!report.formWatched)
        text += kSeparator + std::string("the submission will not be noticed");
    text += kSeparator + DescribeLeftForUser(report.leftForUser);
    return {text, false};
}

std::string DescribeLeftForUser(const std::vector<std::string>& captions)
{
    if (captions.empty())
        return "nothing left for you";
    return "left for you: " + ListedOnce(captions);
}
