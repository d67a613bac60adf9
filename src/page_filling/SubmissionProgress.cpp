#include "page_filling/SubmissionProgress.h"

std::string DescribeProgress(size_t sent, size_t total, const std::string& profileName)
{
    return std::to_string(sent) + " of " + std::to_string(total) + " directories sent for " +
           profileName;
}

std::string DescribeNothingUnsent(const std::string& profileName, bool filtered, bool deadLeft)
{
    if (deadLeft)
        return "The directories still unsent for " + profileName +
               " were found dead by the last check";
    if (filtered)
        return "No directory shown is unsent for " + profileName;
    return "Every directory is sent for " + profileName;
}
