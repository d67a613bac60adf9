#include "app/MailCheckCommand.h"

#include "common/DataFolderResolver.h"
#include "common/JsonText.h"
#include "common/TextCatalogue.h"
#include "history/LocalTime.h"
#include "history/UtcTime.h"
#include "mail/MailLook.h"

#include <sstream>

namespace {

int Fail(std::ostream& err, const std::string& reason)
{
    err << "kestrine: " << reason << '\n';
    return 1;
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
    const MailLook look =
        LookIntoMailbox(folder, nowUtcMs ? nowUtcMs : SystemUtcMilliseconds(), limits);
    for (const std::string& note : look.report.notes)
        err << "kestrine: " << note << '\n';
    if (look.stopped != MailLook::Stopped::No)
        return Fail(err, look.problem);
    const std::vector<ConfirmationMail>& found = look.report.confirmations;
    out << (command.json ? AsJson(found) : AsText(found));
    out.flush();
    return 0;
}
