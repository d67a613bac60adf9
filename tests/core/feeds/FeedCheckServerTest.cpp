// Checking feed addresses against a server on the loopback: a good feed, error statuses, a web
// page that announces feeds, redirects, stalls, oversize answers, cancelling.
#include "feeds/FeedCheck.h"
#include "feeds/FeedReportJson.h"
#include "net/CurlTransfer.h"
#include "net/HttpTransfer.h"
#include "support/Gate.h"
#include "support/LocalHttpServer.h"

#include <chrono>
#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

namespace {

using namespace std::chrono_literals;

const char* const kGoodFeed = R"(<?xml version="1.0"?>
<rss version="2.0"><channel><title>Good "feed"</title><link>http://good.example/</link>
<description>All\well</description>
<item><link>http://good.example/1</link><pubDate>Sat, 07 Sep 2002 00:00:01 GMT</pubDate></item>
</channel></rss>)";

const char* const kPage = R"(<!DOCTYPE html><html><head><title>Blog</title>
<link rel="alternate" type="application/rss+xml" title="Posts" href="/posts.xml">
<link rel="alternate" type="application/atom+xml" title="Comments" href="comments.atom">
</head><body>Hello</body></html>)";

class FeedCheckServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Serve("/feed.xml", kGoodFeed, "application/rss+xml");
        m_server.server.Get("/agent.xml",
                            [this](const httplib::Request& request, httplib::Response& response) {
                                std::lock_guard lock(m_mutex);
                                m_userAgents.push_back(request.get_header_value("User-Agent"));
                                response.set_content(kGoodFeed, "application/rss+xml");
                            });
        Serve("/blog/", kPage, "text/html");
        m_server.server.Get("/missing.xml", [](const httplib::Request&, httplib::Response& r) {
            r.status = 404;
            r.set_content("<html><body>Not here</body></html>", "text/html");
        });
        m_server.server.Get("/moved.xml", [](const httplib::Request&, httplib::Response& r) {
            r.set_redirect("/feed.xml", 301);
        });
        m_server.server.Get("/stall.xml", [this](const httplib::Request&, httplib::Response& r) {
            r.set_chunked_content_provider("text/xml",
                                           [this](size_t offset, httplib::DataSink& sink) {
                                               if (offset > 0) {
                                                   m_gate.Wait(10s);
                                                   return false;
                                               }
                                               return sink.write("<rss>", 5);
                                           });
        });
        m_server.server.Get("/huge.xml", [this](const httplib::Request&, httplib::Response& r) {
            r.set_chunked_content_provider("text/xml", [this](size_t offset,
                                                              httplib::DataSink& sink) {
                // Endless unless the client hangs up; the limit only guards the test.
                return offset < (uint64_t{1} << 20) && sink.write(m_block.data(), m_block.size());
            });
        });
        m_server.Start();
    }

    void TearDown() override
    {
        m_gate.Open();
        m_server.Stop();
    }

    void Serve(const std::string& path, const std::string& body, const char* type)
    {
        m_server.server.Get(path, [=](const httplib::Request&, httplib::Response& response) {
            response.set_content(body, type);
        });
    }

    FeedReport Check(const std::string& target, const std::atomic<bool>* cancel = nullptr)
    {
        // Anything on the loopback is far faster; these keep the stalled cases short.
        DownloadLimits limits;
        limits.connectTimeout = 2s;
        limits.lowSpeedBytesPerSecond = 100;
        limits.lowSpeedTime = 1s;
        limits.maxBytes = 64 * 1024;
        const CFeedFetcher fetcher(limits);
        return CFeedCheck(fetcher).Check(target, cancel);
    }

    static std::vector<std::string> Messages(const FeedReport& report)
    {
        std::vector<std::string> messages;
        for (const FeedProblem& problem : report.problems)
            messages.push_back(problem.message);
        return messages;
    }

    LocalHttpServer m_server;
    Gate m_gate;
    std::mutex m_mutex;
    std::vector<std::string> m_userAgents;
    const std::string m_block = std::string(16 * 1024, ' ');
};

TEST_F(FeedCheckServerTest, ReadsAGoodFeedWithTheProgramsUserAgent)
{
    const FeedReport report = Check(m_server.Url("/agent.xml"));
    EXPECT_TRUE(report.IsUsable()) << ::testing::PrintToString(Messages(report));
    EXPECT_EQ(report.title, "Good \"feed\"");
    EXPECT_EQ(report.items, 1u);
    EXPECT_THAT(report.redirectedTo, IsEmpty());
    std::lock_guard lock(m_mutex);
    EXPECT_THAT(m_userAgents, ElementsAre(kUserAgent));
}

TEST_F(FeedCheckServerTest, TakesAnAddressWithoutItsScheme)
{
    EXPECT_TRUE(Check(m_server.HostAndPort() + "/feed.xml").IsUsable());
}

struct FailureCase
{
    const char* path;
    const char* message;
};

class FeedCheckFailureTest : public FeedCheckServerTest,
                             public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(FeedCheckFailureTest, SaysInWordsWhyNoFeedCame)
{
    const FeedReport report = Check(m_server.Url(GetParam().path));
    EXPECT_THAT(Messages(report), ElementsAre(GetParam().message));
    EXPECT_FALSE(report.IsUsable());
    EXPECT_EQ(report.kind, FeedKind::None);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FeedCheckFailureTest,
    ::testing::Values(FailureCase{"/missing.xml",
                                  "The server answered with status 404 instead of the feed."},
                      FailureCase{"/stall.xml", "The server stopped answering."},
                      FailureCase{"/huge.xml", "The answer is larger than 65536 bytes."}),
    [](const auto& info) { return std::string(info.param.path).substr(1, 4); });

TEST_F(FeedCheckServerTest, ListsTheFeedsAWebPageAnnounces)
{
    const FeedReport report = Check(m_server.Url("/blog/"));
    EXPECT_THAT(Messages(report),
                ElementsAre("The address answers with a web page, not a feed. The page "
                            "announces 2 feeds; one of them can be taken instead."));
    EXPECT_THAT(report.discovered,
                ElementsAre(Field(&DiscoveredFeed::address, m_server.Url("/posts.xml")),
                            Field(&DiscoveredFeed::address, m_server.Url("/blog/comments.atom"))));
    EXPECT_EQ(report.discovered[0].title, "Posts");
}

TEST_F(FeedCheckServerTest, FollowsARedirectAndReportsWhereItLed)
{
    const FeedReport report = Check(m_server.Url("/moved.xml"));
    EXPECT_TRUE(report.IsUsable());
    EXPECT_EQ(report.redirectedTo, m_server.Url("/feed.xml"));
}

TEST_F(FeedCheckServerTest, StopsSoonAfterBeingCancelled)
{
    std::atomic<bool> cancel = false;
    std::thread canceller([&cancel] {
        std::this_thread::sleep_for(100ms);
        cancel = true;
    });
    DownloadLimits patient;
    const CFeedFetcher fetcher(patient);
    const FeedReport report = CFeedCheck(fetcher).Check(m_server.Url("/stall.xml"), &cancel);
    canceller.join();
    EXPECT_THAT(Messages(report), ElementsAre("The check was cancelled."));
}

TEST_F(FeedCheckServerTest, ChecksAFileAndRefusesOtherSchemes)
{
    const std::string file =
        std::string(KESTRINE_FEED_CORPUS_DIR) + "/feedparser/wellformed/rss/channel_title.xml";
    EXPECT_EQ(Check(file).title, "Example feed");
    EXPECT_THAT(Messages(Check("ftp://example.org/feed.xml")),
                ElementsAre("Only http and https addresses can be checked."));
    EXPECT_THAT(Messages(Check("  ")), ElementsAre("No feed address is given."));
    EXPECT_THAT(Messages(Check(file + ".gone")),
                ElementsAre("There is no file " + file + ".gone."));
}

TEST_F(FeedCheckServerTest, WritesTheReportAsEscapedJson)
{
    FeedReport report = Check(m_server.Url("/feed.xml"));
    report.problems.push_back({"tab\there \x01", 3, 0});
    EXPECT_EQ(FeedReportToJson(report),
              R"({"kind": "rss", "version": "2.0", "title": "Good \"feed\"", )"
              R"("link": "http://good.example/", "description": "All\\well", "language": null, )"
              R"("items": 1, "newest": "2002-09-07T00:00:01Z", "discovered": [], )"
              R"("redirectedTo": null, "problems": [{"message": "tab\there \u0001", )"
              R"("line": 3, "column": null}]})");
    const FeedReport page = Check(m_server.Url("/blog/"));
    EXPECT_THAT(FeedReportToJson(page),
                ::testing::HasSubstr(R"("discovered": [{"address": ")" +
                                     m_server.Url("/posts.xml") +
                                     R"(", "title": "Posts", "type": "application/rss+xml"}, )"));
}

} // namespace
