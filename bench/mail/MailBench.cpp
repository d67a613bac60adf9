// The first look into a mailbox: a Dovecot of its own holding 2,000 mails, 100 directories
// submitted to over the last two days. Only the mails that arrived since the earliest
// submission are fetched: 200 of them, 100 confirmations among them, the rest older. The time
// runs from the login to the answer; the memory is what the look added to the peak.
#include "mail/MailCheck.h"
#include "support/DovecotServer.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <string>

namespace {

constexpr int kMails = 2000;
constexpr int kSubmissions = 100;
constexpr int64_t kHour = 60 * 60;

int64_t NowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The process's peak resident size, in kilobytes.
long PeakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

std::string Directory(int number)
{
    return "directory" + std::to_string(number) + ".example";
}

int64_t Submitted(int64_t now, int directory)
{
    return now - 47 * kHour + directory * 1600;
}

// Mail `number` of the recent ones is about directory number / 2: its confirmation, or a
// newsletter beside it.
std::string Mail(int number, bool confirmation)
{
    const std::string site = confirmation ? Directory(number / 2) : "news.example";
    const std::string text = confirmation
                                 ? "Please confirm your submission: https://www." + site +
                                       "/confirm?id=" + std::to_string(number)
                                 : "This week's news, mail " + std::to_string(number) +
                                       ": https://" + site + "/read\r\n" + std::string(2000, 'n');
    return "From: Robot <robot@" + site + ">\r\nTo: kim@home.example\r\nSubject: Mail " +
           std::to_string(number) + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain\r\n\r\n" +
           text + "\r\n";
}

void BM_FirstLook(benchmark::State& state)
{
    DovecotServer dovecot;
    const int64_t now = NowSeconds();
    std::vector<Submission> submissions;
    for (int number = 0; number < kSubmissions; ++number)
        submissions.push_back({"Directory " + std::to_string(number), "Blog",
                               "https://www." + Directory(number) + "/submit",
                               Submitted(now, number) * 1000, ""});
    // 1,800 mails of the weeks before, then 200 of the last two days: a confirmation after
    // each submission and a newsletter.
    constexpr int kOlder = kMails - 2 * kSubmissions;
    for (int number = 0; number < kMails; ++number) {
        const int recent = number - kOlder;
        const int64_t arrived =
            recent >= 0 ? Submitted(now, recent / 2) + 600 : now - 30 * 24 * kHour + number * 600;
        if (!dovecot.Deliver(Mail(recent, recent >= 0 && recent % 2 == 0), arrived, number)) {
            state.SkipWithError("cannot deliver the mails");
            return;
        }
    }
    if (!dovecot.Start()) {
        state.SkipWithError("Dovecot does not start");
        return;
    }
    const MailboxSettings settings{dovecot.ImapAddress(), DovecotServer::kUser, "INBOX",
                                   DovecotServer::kPassword};
    const MailLimits limits;
    // The server reads the new folder once, as it would have long before the first look.
    CImapMailbox warmUp(settings, limits);
    CheckForConfirmations(warmUp, submissions, limits);
    const long peakBefore = PeakResidentKb();
    size_t found = 0;
    for (auto _ : state) {
        CImapMailbox mailbox(settings, limits);
        const MailCheckReport report = CheckForConfirmations(mailbox, submissions, limits);
        if (!report.outcome.ok()) {
            state.SkipWithError(
                ("the mailbox cannot be read: " + report.outcome.detail + "\n" + dovecot.Log())
                    .c_str());
            return;
        }
        found = report.confirmations.size();
    }
    state.counters["confirmations"] = static_cast<double>(found);
    state.counters["added_peak_mb"] = static_cast<double>(PeakResidentKb() - peakBefore) / 1024;
}
BENCHMARK(BM_FirstLook)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
