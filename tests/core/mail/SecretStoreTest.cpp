// The password kept in the desktop's secret store, found again by the command line. Runs with a
// keyring daemon of its own (see with-keyring.sh).
#include "app/MailCheckCommand.h"
#include "mail/MailPassword.h"
#include "support/DovecotServer.h"
#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <sstream>

namespace {

using ::testing::HasSubstr;

TEST(SecretStoreTest, KeepsOnePasswordPerServerAndUser)
{
    const MailConfig kim{"imaps://mail.example", "kim", "INBOX", ""};
    const MailConfig other{"imaps://mail.example", "lou", "INBOX", ""};
    std::string problem;
    EXPECT_FALSE(LookUpStoredPassword(kim).found);
    ASSERT_TRUE(StorePassword(kim, "first", problem)) << problem;
    ASSERT_TRUE(StorePassword(kim, "second", problem)) << problem;
    ASSERT_TRUE(StorePassword(other, "lou's", problem)) << problem;
    EXPECT_EQ(LookUpStoredPassword(kim).password, "second");
    EXPECT_EQ(LookUpStoredPassword(other).password, "lou's");
    // A password command, where there is one, is asked instead.
    MailConfig withCommand = kim;
    withCommand.passwordCommand = "echo from-command";
    EXPECT_EQ(FindPassword(withCommand).password, "from-command");
}

TEST(SecretStoreTest, TheCommandLineLogsInWithTheStoredPassword)
{
    TemporaryFolder folder;
    DovecotServer dovecot;
    ASSERT_TRUE(dovecot.Start()) << dovecot.Log();
    const MailConfig config{dovecot.ImapAddress(), DovecotServer::kUser, "INBOX", ""};
    WriteWholeFile(folder.File("kestrine.conf"),
                   "[mail]\nserver=" + config.server + "\nuser=" + config.user + "\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunMailCheck({false, folder.File(".")}, out, err), 1);
    EXPECT_THAT(err.str(), HasSubstr("no password is kept"));

    std::string problem;
    ASSERT_TRUE(StorePassword(config, DovecotServer::kPassword, problem)) << problem;
    err.str({});
    EXPECT_EQ(RunMailCheck({false, folder.File(".")}, out, err), 0) << err.str();
    EXPECT_THAT(out.str(), HasSubstr("No confirmation mails"));
    EXPECT_THAT(ReadWholeFile(folder.File("kestrine.conf")), ::testing::Not(HasSubstr("secret")));
}

} // namespace
