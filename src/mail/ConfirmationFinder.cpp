#include "mail/ConfirmationFinder.h"

#include "mail/MailText.h"
#include "mail/SiteAddress.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

struct HostedLink
{
    const std::string* address;
    std::string host;
};

std::vector<HostedLink> WebLinks(const MailMessage& message)
{
    std::vector<HostedLink> links;
    for (const std::string& link : message.links) {
        if (std::optional<std::string> host = WebHostOf(link))
            links.push_back({&link, std::move(*host)});
    }
    return links;
}

// Of the links to the site, the one that says it confirms ("…/confirm?token=…"), else the first.
const std::string* LinkToSite(const std::vector<HostedLink>& links, const std::string& siteHost,
                              const CConfirmationWords& words)
{
    const std::string* first = nullptr;
    for (const HostedLink& link : links) {
        if (!IsSameSite(link.host, siteHost))
            continue;
        if (words.AsksToConfirm(*link.address))
            return link.address;
        if (!first)
            first = link.address;
    }
    return first;
}

bool WentTo(const MailMessage& message, const std::string& recipient)
{
    return !recipient.empty() &&
           LowerCaseUtf8(message.to).find(LowerCaseUtf8(recipient)) != std::string::npos;
}

// The submission of `directory` the mail answers, among those made before it arrived.
const Submission* AnsweredSubmission(const MailMessage& message, int64_t receivedUtcMs,
                                     const std::vector<Submission>& submissions,
                                     const std::string& directory)
{
    const Submission* latest = nullptr;
    const Submission* addressed = nullptr;
    for (const Submission& submission : submissions) {
        if (submission.directory != directory || submission.timeUtcMs > receivedUtcMs)
            continue;
        if (!latest || submission.timeUtcMs > latest->timeUtcMs)
            latest = &submission;
        if (WentTo(message, submission.recipient) &&
            (!addressed || submission.timeUtcMs > addressed->timeUtcMs))
            addressed = &submission;
    }
    return addressed ? addressed : latest;
}

} // namespace

std::vector<ConfirmationMail> FindConfirmations(const MailMessage& message, int64_t receivedUtcMs,
                                                const std::vector<Submission>& submissions,
                                                const CConfirmationWords& words)
{
    std::vector<ConfirmationMail> found;
    if (!message.readable || message.links.empty() || !words.AsksToConfirm(message.text))
        return found;
    const std::vector<HostedLink> links = WebLinks(message);
    std::set<std::string> seen;
    for (const Submission& candidate : submissions) {
        if (!seen.insert(candidate.directory).second)
            continue;
        const Submission* submission =
            AnsweredSubmission(message, receivedUtcMs, submissions, candidate.directory);
        if (!submission)
            continue;
        const std::optional<std::string> siteHost = WebHostOf(submission->siteAddress);
        if (!siteHost)
            continue;
        if (const std::string* link = LinkToSite(links, *siteHost, words))
            found.push_back({submission->directory, submission->profile, message.from,
                             message.subject, receivedUtcMs, *link});
    }
    return found;
}
