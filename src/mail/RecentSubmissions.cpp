#include "mail/RecentSubmissions.h"

#include <utility>

std::vector<Submission>
RecentSubmissions(const std::vector<HistoryEvent>& events, int64_t nowUtcMs,
                  const std::map<std::string, std::string>& profileAddresses)
{
    std::map<std::pair<std::string, std::string>, Submission> latest;
    for (const HistoryEvent& event : events) {
        if (event.kind != HistoryEventKind::Submitted || event.pageAddress.empty() ||
            event.timeUtcMs > nowUtcMs || nowUtcMs - event.timeUtcMs > kConfirmationWaitMs)
            continue;
        Submission& kept = latest[{event.profile, event.directory}];
        if (!kept.directory.empty() && kept.timeUtcMs >= event.timeUtcMs)
            continue;
        const auto address = profileAddresses.find(event.profile);
        kept = {event.directory, event.profile, event.pageAddress, event.timeUtcMs,
                address == profileAddresses.end() ? std::string() : address->second};
    }
    std::vector<Submission> submissions;
    for (auto& [pair, submission] : latest)
        submissions.push_back(std::move(submission));
    return submissions;
}
