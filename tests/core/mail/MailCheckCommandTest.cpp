// "kestrine --check-mail": the submissions of the history, the mailbox of kestrine.conf, what
// it prints and why it ends with 1.
#include "app/MailCheckCommand.h"

#include "history/HistoryStore.h"
#include "support/DovecotServer.h"
#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <chrono>
#include <gmock/gmock.h>
#include <sstream>

namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;

constexpr int64_t kDayMs = 24 * 60 * 60 * 1000;

int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string Confirmation(const std::string& link)
{
    return "From: Robot <robot@sender.example>\r\nTo: kim@home.example\r\nSubject: Confirm\r\n"
           "\r\nPlease confirm: " +
           link + "\r\n";
}

class MailCheckCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.IsValid());
        ASSERT_TRUE(m_dovecot.Start()) << m_dovecot.Log();
        CHistoryStore history;
        ASSERT_TRUE(history.Open(m_folder.File("history.sqlite")).ok);
        const int64_t now = NowMs();
        // Submitted an hour ago, and three days ago: too long ago to wait for its mail.
        for (const auto& [directory, age] :
             {std::pair{"Alpha", kDayMs / 24}, std::pair{"Beta", 3 * kDayMs}}) {
            HistoryEvent event;
            event.timeUtcMs = now - age;
            event.profile = "Blog";
            event.directory = directory;
            event.kind = HistoryEventKind::Submitted;
            event.pageAddress = std::string("https://") + directory + ".example/submit";
            ASSERT_TRUE(history.Append(event).ok);
        }
    }

    void Configure(const std::string& server, const std::string& extra = "")
    {
        WriteWholeFile(m_folder.File("kestrine.conf"),
                       "[update]\nsource=x\n\n[mail]\nserver=" + server +
                           "\nuser=" + DovecotServer::kUser + "\n" + extra);
    }

    int Run(bool json)
    {
        m_out.str({});
        m_err.str({});
        return RunMailCheck({json, m_folder.File(".")}, m_out, m_err);
    }

    TemporaryFolder m_folder;
    DovecotServer m_dovecot;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(MailCheckCommandTest, PrintsTheConfirmationsOfTheLastTwoDays)
{
    ASSERT_TRUE(m_dovecot.Append(Confirmation("https://alpha.example/confirm?t=1")));
    ASSERT_TRUE(m_dovecot.Append(Confirmation("https://beta.example/confirm?t=2")));
    Configure(m_dovecot.ImapAddress(), "password-command=printf '%s' secret\n");

    EXPECT_EQ(Run(true), 0) << m_err.str();
    EXPECT_THAT(m_out.str(),
                MatchesRegex("\\{\"mails\": \\[\\{\"directory\": \"Alpha\", \"profile\": "
                             "\"Blog\", \"from\": \"Robot <robot@sender.example>\", "
                             "\"received\": \"[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}"
                             "[-+][0-9]{2}:[0-9]{2}\", \"link\": "
                             "\"https://alpha.example/confirm\\?t=1\"\\}\\]\\}\n"));
    EXPECT_EQ(Run(false), 0) << m_err.str();
    EXPECT_THAT(m_out.str(), HasSubstr("Alpha (profile Blog), from Robot"));
    EXPECT_THAT(m_out.str(), HasSubstr("\n  https://alpha.example/confirm?t=1\n"));
    EXPECT_THAT(m_out.str(), Not(HasSubstr("beta")));
}

TEST_F(MailCheckCommandTest, EndsWithOneAndTheReasonWhenTheMailboxCannotBeRead)
{
    DovecotServer tls(true);
    ASSERT_TRUE(tls.Start()) << tls.Log();
    const std::string password = "password-command=printf secret\n";
    const struct
    {
        const char* name;
        std::string settings; // empty: no [mail] at all
        std::string reason;
    } cases[] = {
        {"no mailbox set up", "", "no mailbox is set up"},
        {"wrong password", "server=" + m_dovecot.ImapAddress() + "\npassword-command=echo guess\n",
         "login refused"},
        {"a password command that fails",
         "server=" + m_dovecot.ImapAddress() + "\npassword-command=sh -c \"exit 3\"\n",
         "the password command gave no password"},
        {"folder missing", "server=" + m_dovecot.ImapAddress() + "\nfolder=Nope\n" + password,
         "the folder Nope is missing"},
        {"certificate not trusted", "server=" + tls.ImapsAddress() + "\n" + password,
         "is not trusted"},
        {"cannot connect", "server=imap://127.0.0.1:1\n" + password, "cannot connect"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteWholeFile(m_folder.File("kestrine.conf"), c.settings.empty()
                                                           ? "[update]\nsource=x\n"
                                                           : "[mail]\nuser=kim\n" + c.settings);
        EXPECT_EQ(Run(true), 1);
        EXPECT_THAT(m_err.str(), HasSubstr(c.reason));
        EXPECT_EQ(m_out.str(), "");
        EXPECT_THAT(m_err.str(), Not(HasSubstr("secret")));
    }
}

} // namespace
