#include "page_filling/SubmissionProgress.h"

#include "common/TextCatalogue.h"

std::string DescribeProgress(size_t sent, size_t total, const std::string& profileName)
{
    return FillIn(TranslatedText(
                      KESTRINE_COUNT_TEXT("SubmissionProgress", "%1 of %n directories sent for %2"),
                      static_cast<int>(total)),
                  {std::to_string(sent), profileName});
}

std::string DescribeNothingUnsent(const std::string& profileName, bool filtered, bool deadLeft)
{
    if (deadLeft)
        return FillIn(KESTRINE_TEXT("SubmissionProgress",
                                    "The directories still unsent for %1 were found dead by "
                                    "the last check"),
                      {profileName});
    if (filtered)
        return FillIn(KESTRINE_TEXT("SubmissionProgress", "No directory shown is unsent for %1"),
                      {profileName});
    return FillIn(KESTRINE_TEXT("SubmissionProgress", "Every directory is sent for %1"),
                  {profileName});
}
