#include "mail/MailCheck.h"

#include "common/TextCatalogue.h"
#include "mail/MailReader.h"

#include <algorithm>

namespace {

std::string MailNote(const ArrivedMail& mail, const std::string& what)
{
    return FillIn(KESTRINE_TEXT("MailCheck", "mail %1 was left unread: %2"),
                  {std::to_string(mail.uid), what});
}

} // namespace

MailCheckReport CheckForConfirmations(CImapMailbox& mailbox,
                                      const std::vector<Submission>& submissions,
                                      const MailLimits& limits, const CConfirmationWords& words)
{
    MailCheckReport report;
    report.outcome = mailbox.Open();
    if (!report.outcome.ok() || submissions.empty())
        return report;
    const int64_t since = std::min_element(submissions.begin(), submissions.end(),
                                           [](const Submission& a, const Submission& b) {
                                               return a.timeUtcMs < b.timeUtcMs;
                                           })
                              ->timeUtcMs;
    std::vector<ArrivedMail> arrived;
    report.outcome = mailbox.ArrivedSince(since, arrived);
    if (!report.outcome.ok())
        return report;
    std::string bytes;
    for (const ArrivedMail& mail : arrived) {
        if (limits.Stopped())
            break;
        if (mail.size > limits.maxMessageBytes) {
            report.notes.push_back(
                MailNote(mail, KESTRINE_TEXT("MailReader", "the mail is too large to be read")));
            continue;
        }
        const MailboxOutcome fetched = mailbox.Fetch(mail, bytes);
        if (fetched.problem == MailboxProblem::AnswerTooLarge) {
            report.notes.push_back(
                MailNote(mail, KESTRINE_TEXT("MailReader", "the mail is too large to be read")));
            continue;
        }
        if (!fetched.ok()) {
            report.outcome = fetched;
            return report;
        }
        const MailMessage message = ReadMail(bytes, limits);
        for (const std::string& note : message.notes)
            report.notes.push_back(MailNote(mail, note));
        std::vector<ConfirmationMail> found =
            FindConfirmations(message, mail.receivedUtcMs, submissions, words);
        report.confirmations.insert(report.confirmations.end(),
                                    std::make_move_iterator(found.begin()),
                                    std::make_move_iterator(found.end()));
    }
    return report;
}
