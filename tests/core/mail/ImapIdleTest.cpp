// Waiting for new mail with IMAP IDLE on the tests' own Dovecot, and on servers that refuse,
// drop or flood.
#include "mail/ImapIdle.h"

#include "core/mail/RawImapServer.h"
#include "support/DovecotServer.h"

#include <atomic>
#include <future>
#include <gtest/gtest.h>

namespace {

using Outcome = CImapIdle::Outcome;
using std::chrono::milliseconds;

MailLimits ShortLimits()
{
    MailLimits limits;
    limits.connectTimeout = std::chrono::seconds(3);
    limits.exchangeTimeout = std::chrono::seconds(3);
    return limits;
}

const char kMail[] = "From: robot@127.0.0.1\r\nSubject: Please confirm\r\n\r\nConfirm.\r\n";

TEST(ImapIdleTest, AMailAppendedWhileIdlingEndsTheWaitAndTheNextWaitIsQuietAgain)
{
    DovecotServer dovecot;
    ASSERT_TRUE(dovecot.Start()) << dovecot.Log();
    ASSERT_TRUE(dovecot.Append(kMail)); // there before: not new
    CImapIdle idle({dovecot.ImapAddress(), DovecotServer::kUser, "INBOX", DovecotServer::kPassword},
                   ShortLimits());
    EXPECT_EQ(idle.WaitForMail(milliseconds(200)), Outcome::Quiet);
    // Appended on another connection while this one idles, or just before it does: either way
    // the wait ends with the mail, long before its deadline.
    std::future<bool> appended =
        std::async(std::launch::async, [&] { return dovecot.Append(kMail); });
    EXPECT_EQ(idle.WaitForMail(std::chrono::minutes(2)), Outcome::NewMail);
    EXPECT_TRUE(appended.get());
    EXPECT_EQ(idle.WaitForMail(milliseconds(200)), Outcome::Quiet);
}

TEST(ImapIdleTest, EndsAtOnceWhenTheWindowCloses)
{
    DovecotServer dovecot;
    ASSERT_TRUE(dovecot.Start()) << dovecot.Log();
    std::atomic<bool> closing{false};
    MailLimits limits = ShortLimits();
    limits.stop = &closing;
    CImapIdle idle({dovecot.ImapAddress(), DovecotServer::kUser, "INBOX", DovecotServer::kPassword},
                   limits);
    EXPECT_EQ(idle.WaitForMail(milliseconds(100)), Outcome::Quiet);
    closing = true;
    EXPECT_EQ(idle.WaitForMail(CImapIdle::kLongestIdle), Outcome::Stopped);
}

TEST(ImapIdleTest, AMailboxItCannotIdleOnSaysWhy)
{
    DovecotServer dovecot;
    ASSERT_TRUE(dovecot.Start()) << dovecot.Log();
    DovecotServer withoutIdle;
    withoutIdle.extraSettings = "imap_capability = IMAP4rev1 LITERAL+ SASL-IR ID ENABLE\n";
    ASSERT_TRUE(withoutIdle.Start()) << withoutIdle.Log();
    DovecotServer selfSigned(true);
    ASSERT_TRUE(selfSigned.Start()) << selfSigned.Log();
    RawImapServer drops(RawImapServer::Conduct::Drops);
    RawImapServer floods(RawImapServer::Conduct::Floods);
    const struct
    {
        const char* name;
        MailboxSettings settings;
        Outcome outcome = Outcome::Failed;
    } cases[] = {
        {"no IDLE offered",
         {withoutIdle.ImapAddress(), DovecotServer::kUser, "INBOX", DovecotServer::kPassword},
         Outcome::NotOffered},
        {"self-signed certificate, imaps",
         {selfSigned.ImapsAddress(), DovecotServer::kUser, "INBOX", DovecotServer::kPassword}},
        {"self-signed certificate, STARTTLS",
         {selfSigned.ImapAddress(), DovecotServer::kUser, "INBOX", DovecotServer::kPassword}},
        {"wrong password", {dovecot.ImapAddress(), DovecotServer::kUser, "INBOX", "guess"}},
        {"missing folder",
         {dovecot.ImapAddress(), DovecotServer::kUser, "Confirmations", DovecotServer::kPassword}},
        {"a web address", {"https://127.0.0.1/", DovecotServer::kUser, "INBOX", "x"}},
        {"drops the connection", {drops.Address(), "kim", "INBOX", "secret"}},
        {"a million lines", {floods.Address(), "kim", "INBOX", "secret"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CImapIdle idle(c.settings, ShortLimits());
        EXPECT_EQ(idle.WaitForMail(std::chrono::minutes(2)), c.outcome);
    }
}

} // namespace
