#include "app/MailCheckCommand.h"

#include "common/DataFolderResolver.h"
#include "common/IniFile.h"
#include "common/JsonText.h"
#include "common/TextCatalogue.h"
#include "history/HistoryReading.h"
#include "history/LocalTime.h"
#include "history/UtcTime.h"
#include "mail/MailCheck.h"
#include "mail/MailConfig.h"
#include "mail/MailPassword.h"
#include "mail/RecentSubmissions.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

int Fail(std::ostream& err, const std::string& reason)
{
    err << "kestrine: " << reason << '\n';
    return 1;
}

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

std::string AsJson(const std::vector<ConfirmationMail>& mails)
{
    std::string json = "{\"mails\": [";
    for (size_t index = 0; index < mails.size(); ++index) {
        const ConfirmationMail& mail = mails[index];
        json += index == 0 ? "{" : ", {";
        AddJsonField(json, "directory", JsonString(mail.directory));
        AddJsonField(json, "profile", JsonString(mail.profile));
        AddJsonField(json, "from", JsonString(mail.from));
        AddJsonField(json, "received", JsonString(FormatIsoLocalTime(mail.receivedUtcMs)));
        AddJsonField(json, "link", JsonString(mail.link), true);
        json += "}";
    }
    return json + "]}\n";
}

std::string AsText(const std::vector<ConfirmationMail>& mails)
{
    if (mails.empty())
        return KESTRINE_TEXT("CommandLine",
                             "No confirmation mails for the submissions of the last two days.") +
               "\n";
    std::ostringstream text;
    for (const ConfirmationMail& mail : mails)
        text << FillIn(KESTRINE_TEXT("CommandLine", "%1 (profile %2), from %3 at %4:"),
                       {mail.directory, mail.profile, mail.from,
                        FormatIsoLocalTime(mail.receivedUtcMs)})
             << "\n  " << mail.link << '\n';
    return text.str();
}

} // namespace

int RunMailCheck(const MailCheckCommand& command, std::ostream& out, std::ostream& err,
                 const MailLimits& limits, int64_t nowUtcMs)
{
    const DataFolder folder =
        CDataFolderResolver().Resolve(DataFolderInputs::FromProcess(command.dataFolder));
    if (folder.path.empty())
        return Fail(err, FillIn(KESTRINE_TEXT("CommandLine",
                                              "no data folder to read the settings from: %1"),
                                {folder.problem}));
    const MailConfig config = MailConfig::Read(ReadSettings(folder.SettingsFile()));
    if (!config.IsSet())
        return Fail(err, FillIn(KESTRINE_TEXT("CommandLine",
                                              "no mailbox is set up: give server and user under "
                                              "[mail] in %1, or use Settings > Confirmation Mails"),
                                {folder.SettingsFile()}));
    const PasswordOutcome password = FindPassword(config);
    if (!password.found)
        return Fail(err, password.problem);
    std::vector<HistoryEvent> events;
    if (HistoryOutcome read =
            ReadHistoryFile(folder.HistoryFile(), HistorySelection::Every, events);
        !read.ok)
        return Fail(err, FillIn(KESTRINE_TEXT("CommandLine", "the history cannot be read (%1)"),
                                {read.error}));
    const std::vector<Submission> submissions = RecentSubmissions(
        events, nowUtcMs ? nowUtcMs : SystemUtcMilliseconds(), ProfileAddresses(folder));
    CImapMailbox mailbox({config.server, config.user, config.folder, password.password}, limits);
    const MailCheckReport report = CheckForConfirmations(mailbox, submissions, limits);
    for (const std::string& note : report.notes)
        err << "kestrine: " << note << '\n';
    if (!report.outcome.ok())
        return Fail(err, MailboxProblemText(report.outcome, config.server, config.folder));
    out << (command.json ? AsJson(report.confirmations) : AsText(report.confirmations));
    out.flush();
    return 0;
}
