#include "app/FeedCheckCommand.h"

#include "feeds/FeedCheck.h"
#include "feeds/FeedReportJson.h"
#include "feeds/FeedReportText.h"

int RunFeedCheck(const std::string& target, bool json, std::ostream& out,
                 const DownloadLimits& limits)
{
    const CFeedFetcher fetcher(limits);
    const FeedReport report = CFeedCheck(fetcher).Check(target);
    if (json)
        out << FeedReportToJson(report) << "\n";
    else
        out << FeedReportToText(report);
    out.flush();
    return report.IsUsable() ? 0 : 1;
}
