#include "page_filling/SubmissionCheck.h"

#include "common/MillisecondClock.h"

bool IsSubmissionCheckDue(uint32_t submitTime, uint32_t now)
{
    return MillisecondsBetween(submitTime, now) > kSubmissionSettleMilliseconds;
}

bool IsSubmissionConfirmed(std::string_view pageHtml,
                           const std::optional<std::string>& confirmation)
{
    if (!confirmation)
        return false;
    const std::string_view page = pageHtml.substr(0, pageHtml.find('\0'));
    return page.find(*confirmation) != std::string_view::npos;
}
