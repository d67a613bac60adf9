// "kestrine --check-feed": its exit status and its two outputs.
#include "app/FeedCheckCommand.h"

#include "support/DrippingAnswer.h"
#include "support/LocalHttpServer.h"

#include <chrono>
#include <gmock/gmock.h>
#include <sstream>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::string kUsable = std::string(KESTRINE_TEST_DATA_DIR) + "/feeds/usable.xml";
const std::string kMissing = std::string(KESTRINE_TEST_DATA_DIR) + "/feeds/missing.xml";

struct CheckOutput
{
    int status;
    std::string out;
};

CheckOutput Check(const std::string& target, bool json)
{
    std::ostringstream out;
    const int status = RunFeedCheck(target, json, out);
    return {status, out.str()};
}

TEST(FeedCheckCommand, PrintsAReadableReportOfAUsableFeed)
{
    const CheckOutput check = Check(kUsable, false);
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "Feed: Atom 1.0\n"
                         "Title: Kestrel \"news\"\n"
                         "Link: http://kestrel.example/\n"
                         "Description: Falcons, kites\\and hawks\n"
                         "Items: 1, the newest of 2024-05-01T10:00:00Z\n"
                         "The feed is usable.\n");
}

TEST(FeedCheckCommand, PrintsOneJsonObjectAndExitsOneOnProblems)
{
    const CheckOutput usable = Check(kUsable, true);
    EXPECT_EQ(usable.status, 0);
    EXPECT_THAT(usable.out, StartsWith(R"({"kind": "atom", "version": "1.0", )"
                                       R"("title": "Kestrel \"news\"", )"));
    EXPECT_THAT(usable.out, HasSubstr(R"("description": "Falcons, kites\\and hawks")"));
    EXPECT_THAT(usable.out, HasSubstr("\"problems\": []}\n"));

    const CheckOutput missing = Check(kMissing, true);
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.out, HasSubstr(R"("problems": [{"message": )"));
    EXPECT_EQ(Check(kMissing, false).out, "Problem: There is no file " + kMissing + ".\n");
}

TEST(FeedCheckCommand, EndsAtTheDeadlineWithTheReason)
{
    using namespace std::chrono_literals;
    const std::string feed = "<rss version=\"2.0\"><channel><title>" + std::string(600, 't') +
                             "</title></channel></rss>";
    LocalHttpServer server;
    ServeDripping(server.server, "/feed.xml", feed, "application/rss+xml");
    server.Start();
    DownloadLimits limits = DownloadLimits::ForFeedCheck();
    limits.deadline = 300ms;

    std::ostringstream out;
    EXPECT_EQ(RunFeedCheck(server.Url("/feed.xml"), false, out, limits), 1);
    EXPECT_EQ(out.str(), "Problem: The server did not send the whole answer within 300 ms.\n");
}

} // namespace
