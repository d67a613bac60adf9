#include "mail/MailLook.h"

#include "common/IniFile.h"
#include "common/TextCatalogue.h"
#include "history/HistoryReading.h"
#include "mail/ImapIdle.h"
#include "mail/MailPassword.h"
#include "mail/RecentSubmissions.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

#include <fstream>
#include <iterator>
#include <map>

namespace {

CIniFile ReadSettings(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return CIniFile(std::string(std::istreambuf_iterator<char>(in), {}));
}

std::map<std::string, std::string> ProfileAddresses(const DataFolder& folder)
{
    std::string currentName;
    CProfileStore profiles;
    state_file::Load(folder.StateFile(), currentName, profiles);
    std::map<std::string, std::string> addresses;
    for (const ProfileRecord& profile : profiles.Profiles())
        addresses.emplace(profile.name, profile.email);
    return addresses;
}

MailLook Stop(MailLook look, MailLook::Stopped why, std::string problem)
{
    look.stopped = why;
    look.problem = std::move(problem);
    return look;
}

} // namespace

MailLook LookIntoMailbox(const DataFolder& folder, int64_t nowUtcMs, const MailLimits& limits,
                         bool evenWithoutSubmissions)
{
    MailLook look;
    look.config = MailConfig::Read(ReadSettings(folder.SettingsFile()));
    if (folder.path.empty() || !look.config.IsSet())
        return Stop(std::move(look), MailLook::Stopped::NotSetUp,
                    FillIn(KESTRINE_TEXT("MailLook", "no mailbox is set up: give server and user "
                                                     "under [mail] in %1, or use Settings > "
                                                     "Confirmation Mails"),
                           {folder.SettingsFile()}));
    std::vector<HistoryEvent> events;
    if (HistoryOutcome read =
            ReadHistoryFile(folder.HistoryFile(), HistorySelection::Every, events);
        !read.ok)
        return Stop(
            std::move(look), MailLook::Stopped::HistoryUnreadable,
            FillIn(KESTRINE_TEXT("MailLook", "the history cannot be read (%1)"), {read.error}));
    const std::vector<Submission> submissions =
        RecentSubmissions(events, nowUtcMs, ProfileAddresses(folder));
    look.submissions = submissions.size();
    if (submissions.empty() && !evenWithoutSubmissions)
        return look;
    const PasswordOutcome password = FindPassword(look.config);
    if (!password.found)
        return Stop(std::move(look), MailLook::Stopped::NoPassword, password.problem);
    CImapMailbox mailbox(
        {look.config.server, look.config.user, look.config.folder, password.password}, limits);
    look.report = CheckForConfirmations(mailbox, submissions, limits);
    if (!look.report.outcome.ok())
        return Stop(
            std::move(look), MailLook::Stopped::Mailbox,
            MailboxProblemText(look.report.outcome, look.config.server, look.config.folder));
    return look;
}

void WatchForNewMail(const DataFolder& folder, const MailLimits& limits,
                     const std::function<void()>& arrived)
{
    const MailConfig config = MailConfig::Read(ReadSettings(folder.SettingsFile()));
    if (folder.path.empty() || !config.IsSet())
        return;
    const PasswordOutcome password = FindPassword(config);
    if (!password.found)
        return;
    CImapIdle idle({config.server, config.user, config.folder, password.password}, limits);
    // Connected and idling at once: a mail that came since the last look is looked for then.
    CImapIdle::Outcome outcome = idle.WaitForMail(std::chrono::milliseconds(0));
    while (outcome == CImapIdle::Outcome::NewMail || outcome == CImapIdle::Outcome::Quiet) {
        arrived();
        do
            outcome = idle.WaitForMail(CImapIdle::kLongestIdle);
        while (outcome == CImapIdle::Outcome::Quiet);
    }
}
