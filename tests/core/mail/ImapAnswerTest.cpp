// The pieces of the IMAP server's answers that libcurl passes on, read back.
#include "mail/ImapAnswer.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

TEST(ImapAnswerTest, ReadsArrivalDatesInEveryZone)
{
    const struct
    {
        const char* date;
        std::optional<int64_t> utcMs;
    } cases[] = {
        {"08-Dec-2026 08:00:00 +0000", 1796716800000},
        {" 8-Dec-2026 09:30:00 +0130", 1796716800000},
        {"08-Dec-2026 03:00:00 -0500", 1796716800000},
        {"31-Dec-1999 23:59:59 +0000", 946684799000},
        {"08-Foo-2026 08:00:00 +0000", std::nullopt},
        {"08-Dec-2026 25:00:00 +0000", std::nullopt},
        {"08-Dec-2026", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(InternalDateUtcMs(c.date), c.utcMs);
    }
}

TEST(ImapAnswerTest, ReadsSearchResultsAndMailDescriptions)
{
    EXPECT_THAT(SearchResult("* SEARCH 3 7 12\r\n* SEARCH\r\n* 4 EXISTS\r\n* SEARCH 40\r\n"),
                ElementsAre(3u, 7u, 12u, 40u));
    const std::vector<ArrivedMail> mails = FetchedDescriptions(
        "* 1 FETCH (UID 3 FLAGS (\\Seen \\Answered) INTERNALDATE \"08-Dec-2026 08:00:00 +0000\" "
        "RFC822.SIZE 120)\r\n"
        "* 2 FETCH (UID 7 FLAGS () INTERNALDATE \"08-Dec-2026 09:00:00 +0100\" RFC822.SIZE "
        "52428800)\r\n"
        "* 3 FETCH (UID 8 FLAGS (\\Recent) INTERNALDATE \"bad\" RFC822.SIZE 1)\r\n"
        "* 4 FETCH (FLAGS (\\Seen) UID 9)\r\n");
    ASSERT_EQ(mails.size(), 2u);
    EXPECT_EQ(mails[0].uid, 3u);
    EXPECT_TRUE(mails[0].seen);
    EXPECT_EQ(mails[0].size, 120u);
    EXPECT_EQ(mails[1].uid, 7u);
    EXPECT_FALSE(mails[1].seen);
    EXPECT_EQ(mails[1].receivedUtcMs, 1796716800000);
    EXPECT_EQ(mails[1].size, 52428800u);
}

TEST(ImapAnswerTest, WritesCommandsPieces)
{
    EXPECT_EQ(UidSet({1, 2, 3, 5, 7, 8, 20}), "1:3,5,7:8,20");
    EXPECT_EQ(UidSet({4}), "4");
    EXPECT_EQ(SearchDate(1796716800000), "8-Dec-2026");
    EXPECT_EQ(QuotedMailboxName("Ab \"x\" \\y"), "\"Ab \\\"x\\\" \\\\y\"");
}

} // namespace
