#include "update/DatabaseDownloader.h"

#include "support/DrippingAnswer.h"
#include "support/FileBytes.h"
#include "support/Gate.h"
#include "support/LocalHttpServer.h"
#include "support/TemporaryFolder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr size_t kPiece = CDownloadSink::kPieceSize;
constexpr const char* kUpdatePath = "/updates/demo.xml";

std::string Database(const std::string& name, size_t minimumSize = 0)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n";
    for (int i = 0; i == 0 || xml.size() < minimumSize; ++i)
        xml += "<directory name=\"" + name + " " + std::to_string(i) +
               "\" submiturl=\"http://example.org/\" onsubmit=\"Thanks\"/>\n";
    return xml + "</r>\n";
}

// A database whose comment holds `text` starting `offset` bytes into the file.
std::string DatabaseWithCommentAt(const std::string& text, size_t offset)
{
    const std::string head = "<r><!--";
    return head + std::string(offset - head.size(), 'x') + text + "--></r>";
}

const std::string kOldDatabase = Database("Old");

class DatabaseDownloaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.IsValid());
        WriteWholeFile(Destination(), kOldDatabase);
    }

    void TearDown() override
    {
        m_gate.Open();
        m_server.Stop();
    }

    void Serve(int status, const std::string& body, const char* type = "text/xml",
               const std::string& path = kUpdatePath)
    {
        m_server.server.Get(path, [=](const httplib::Request&, httplib::Response& response) {
            response.status = status;
            response.set_content(body, type);
        });
    }

    // Anything on the loopback is far faster; these keep the stalled cases short.
    static DownloadLimits ShortLimits()
    {
        DownloadLimits limits;
        limits.connectTimeout = 2s;
        limits.lowSpeedBytesPerSecond = 100;
        limits.lowSpeedTime = 1s;
        return limits;
    }

    UpdateResult Download(const std::string& url, const DownloadLimits& limits = ShortLimits(),
                          const std::atomic<bool>* cancel = nullptr)
    {
        return CDatabaseDownloader(limits).Download(url, Destination(), DownloadFolder(), cancel);
    }

    // Waits until the server runs, so that stopping it cannot race its start.
    void StartServer()
    {
        m_server.Start();
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (!m_server.server.is_running() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        ASSERT_TRUE(m_server.server.is_running());
    }

    UpdateResult StartAndDownload()
    {
        StartServer();
        return Download(m_server.Url(kUpdatePath));
    }

    std::string Destination() const { return m_folder.File("dirdata.xml"); }
    std::string DownloadFolder() const { return m_folder.File("."); }

    // Neither the download's temporary file nor the database writer's is left behind.
    void ExpectNoTemporaryFileLeft() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(DownloadFolder())) {
            const std::string name = entry.path().filename().string();
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
            EXPECT_EQ(name.rfind("ddupdate-", 0), std::string::npos) << name;
        }
    }

    void ExpectDatabaseUnchanged() const
    {
        EXPECT_EQ(ReadWholeFile(Destination()), kOldDatabase);
        ExpectNoTemporaryFileLeft();
    }

    TemporaryFolder m_folder;
    LocalHttpServer m_server;
    Gate m_gate;
};

TEST_F(DatabaseDownloaderTest, InstallsAnAnswerOfSeveralPiecesInOrder)
{
    const std::string update = Database("New", 3 * kPiece + 500);
    Serve(200, update);
    EXPECT_EQ(StartAndDownload(), kUpdateSucceeded);
    EXPECT_EQ(ReadWholeFile(Destination()), update);
    ExpectNoTemporaryFileLeft();
}

TEST_F(DatabaseDownloaderTest, SendsOneGetWithTheOldBrowsersUserAgent)
{
    Serve(200, Database("New"));
    ASSERT_EQ(StartAndDownload(), kUpdateSucceeded);
    const auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].path, kUpdatePath);
    EXPECT_EQ(requests[0].headers.find("User-Agent")->second,
              "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 1.1.4322)");
}

TEST_F(DatabaseDownloaderTest, TakesAUrlWithoutSchemeOrWithoutPath)
{
    const std::string update = Database("New");
    Serve(200, update);
    Serve(200, update, "text/xml", "/");
    StartServer();

    EXPECT_EQ(Download(m_server.HostAndPort() + kUpdatePath), kUpdateSucceeded);
    EXPECT_EQ(Download("http://" + m_server.HostAndPort()), kUpdateSucceeded);
    const auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].path, kUpdatePath);
    EXPECT_EQ(requests[1].path, "/");
    EXPECT_EQ(ReadWholeFile(Destination()), update);
}

TEST_F(DatabaseDownloaderTest, RunsASecondUpdateInTheSameProcess)
{
    const std::string first = Database("First");
    const std::string second = Database("Second", 2 * kPiece);
    Serve(200, first, "text/xml", "/first.xml");
    Serve(200, second, "text/xml", "/second.xml");
    StartServer();

    EXPECT_EQ(Download(m_server.Url("/first.xml")), kUpdateSucceeded);
    EXPECT_EQ(ReadWholeFile(Destination()), first);
    EXPECT_EQ(Download(m_server.Url("/second.xml")), kUpdateSucceeded);
    EXPECT_EQ(ReadWholeFile(Destination()), second);
}

TEST_F(DatabaseDownloaderTest, FollowsAMovedDatabase)
{
    const std::string update = Database("Moved");
    m_server.server.Get(kUpdatePath, [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/elsewhere.xml");
    });
    Serve(200, update, "text/xml", "/elsewhere.xml");
    EXPECT_EQ(StartAndDownload(), kUpdateSucceeded);
    EXPECT_EQ(ReadWholeFile(Destination()), update);
}

// Tags the HTML rule overlooks are left to the check of the whole document.
TEST_F(DatabaseDownloaderTest, LetsTheDatabaseCheckJudgeTagsTheHtmlRuleOverlooks)
{
    const std::string mixedCase = DatabaseWithCommentAt("<Html>", 100);
    const std::string splitTag = DatabaseWithCommentAt("<html>", kPiece - 3);
    Serve(200, mixedCase, "text/xml", "/mixed.xml");
    Serve(200, splitTag, "text/xml", "/split.xml");
    Serve(200, "<Html><body>Sorry</body></Html>", "text/html", "/page.html");
    StartServer();

    EXPECT_EQ(Download(m_server.Url("/mixed.xml")), kUpdateSucceeded);
    EXPECT_EQ(ReadWholeFile(Destination()), mixedCase);
    EXPECT_EQ(Download(m_server.Url("/split.xml")), kUpdateSucceeded);
    EXPECT_EQ(ReadWholeFile(Destination()), splitTag);
    EXPECT_EQ(Download(m_server.Url("/page.html")), kUpdateFailed);
    EXPECT_EQ(ReadWholeFile(Destination()), splitTag);
}

TEST_F(DatabaseDownloaderTest, RefusesAnHtmlTagInTheSecondPieceEvenInsideADatabase)
{
    Serve(200, DatabaseWithCommentAt("<html>", kPiece + 20));
    EXPECT_EQ(StartAndDownload(), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

struct RefusedAnswer
{
    const char* label;
    int status;
    std::string body;
    const char* type;
};

void PrintTo(const RefusedAnswer& answer, std::ostream* out)
{
    *out << answer.label;
}

class RefusedAnswerTest : public DatabaseDownloaderTest,
                          public ::testing::WithParamInterface<RefusedAnswer>
{
};

TEST_P(RefusedAnswerTest, LeavesTheDatabaseByteForByte)
{
    const RefusedAnswer& answer = GetParam();
    Serve(answer.status, answer.body, answer.type);
    EXPECT_EQ(StartAndDownload(), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RefusedAnswerTest,
    ::testing::Values(
        RefusedAnswer{"NotFoundPage", 404, "<!DOCTYPE html><html><body>Not Found</body></html>",
                      "text/html"},
        RefusedAnswer{"NotFoundWithADatabase", 404, Database("Error"), "text/xml"},
        RefusedAnswer{"ServerErrorText", 500, "Internal Server Error", "text/plain"},
        RefusedAnswer{"NotXml", 200, "directories: none today", "text/plain"},
        RefusedAnswer{"OtherDocumentElement", 200, "<root><directory name=\"A\"/></root>",
                      "text/xml"},
        RefusedAnswer{"UnfinishedXml", 200, Database("Cut").substr(0, 80), "text/xml"},
        RefusedAnswer{"Empty", 200, "", "text/xml"},
        RefusedAnswer{"UpperCaseTag", 200, "<HTML><BODY>maintenance</BODY></HTML>", "text/html"}),
    [](const ::testing::TestParamInfo<RefusedAnswer>& info) { return info.param.label; });

TEST_F(DatabaseDownloaderTest, RefusesABodyShorterThanItsContentLength)
{
    const std::string update = Database("New", 3 * kPiece);
    m_server.server.Get(kUpdatePath, [&](const httplib::Request&, httplib::Response& response) {
        response.set_content_provider(update.size(), "text/xml",
                                      [&](size_t, size_t, httplib::DataSink& sink) {
                                          sink.write(update.data(), update.size() / 2);
                                          return false; // hangs up
                                      });
    });
    EXPECT_EQ(StartAndDownload(), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

TEST_F(DatabaseDownloaderTest, GivesUpOnAServerThatNeverAnswers)
{
    m_server.server.Get(kUpdatePath, [&](const httplib::Request&, httplib::Response& response) {
        m_gate.Wait(10s);
        response.set_content(Database("Late"), "text/xml");
    });
    EXPECT_EQ(StartAndDownload(), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

TEST_F(DatabaseDownloaderTest, GivesUpOnATransferThatStalls)
{
    const std::string update = Database("New", 3 * kPiece);
    m_server.server.Get(kUpdatePath, [&](const httplib::Request&, httplib::Response& response) {
        response.set_content_provider(update.size(), "text/xml",
                                      [&](size_t offset, size_t, httplib::DataSink& sink) {
                                          if (offset > 0) {
                                              m_gate.Wait(10s);
                                              return false;
                                          }
                                          sink.write(update.data(), 3);
                                          return true;
                                      });
    });
    EXPECT_EQ(StartAndDownload(), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

TEST_F(DatabaseDownloaderTest, StopsAnAnswerLargerThanTheCapWithoutALength)
{
    const std::string block(64 * 1024, ' ');
    m_server.server.Get(kUpdatePath, [&](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "text/xml", [&](size_t offset, httplib::DataSink& sink) {
                if (offset == 0)
                    sink.write("<r>", 3);
                // Endless unless the client hangs up; the limit only guards the test.
                return offset < (uint64_t{80} << 20) && sink.write(block.data(), block.size());
            });
    });
    EXPECT_EQ(StartAndDownload(), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

TEST_F(DatabaseDownloaderTest, FailsOnAClosedPort)
{
    StartServer();
    const std::string url = m_server.Url(kUpdatePath);
    m_server.Stop();
    EXPECT_EQ(Download(url), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

TEST_F(DatabaseDownloaderTest, AttemptsNothingWithoutUrlOrDestination)
{
    Serve(200, Database("New"));
    StartServer();
    const CDatabaseDownloader downloader;
    EXPECT_EQ(downloader.Download("", Destination(), DownloadFolder()), kUpdateInternalError);
    EXPECT_EQ(downloader.Download(m_server.Url(kUpdatePath), "", DownloadFolder()),
              kUpdateInternalError);
    EXPECT_TRUE(m_server.Requests().empty());
    ExpectDatabaseUnchanged();
}

TEST_F(DatabaseDownloaderTest, FailsWhenTheTemporaryFileOrTheDatabaseCannotBeWritten)
{
    Serve(200, Database("New"));
    StartServer();
    const CDatabaseDownloader downloader;
    EXPECT_EQ(
        downloader.Download(m_server.Url(kUpdatePath), Destination(), m_folder.File("missing")),
        kUpdateFailed);
    EXPECT_TRUE(m_server.Requests().empty());
    EXPECT_EQ(downloader.Download(m_server.Url(kUpdatePath), m_folder.File("missing/dirdata.xml"),
                                  DownloadFolder()),
              kUpdateFailed);
    ExpectDatabaseUnchanged();
}

TEST_F(DatabaseDownloaderTest, FailsWithoutTouchingAnythingWhenLibcurlIsMissing)
{
    Serve(200, Database("New"));
    StartServer();
    const CCurlLibrary missing("libcurl-that-does-not-exist.so");
    const CDatabaseDownloader downloader({}, missing);
    EXPECT_EQ(downloader.Download(m_server.Url(kUpdatePath), Destination(), DownloadFolder()),
              kUpdateFailed);
    EXPECT_TRUE(m_server.Requests().empty());
    ExpectDatabaseUnchanged();
}

// Another user of a shared temporary folder can create any name in advance, even one that
// cannot be removed or written to.
TEST_F(DatabaseDownloaderTest, IsNotStoppedByFilesPlantedInTheTemporaryFolder)
{
    std::filesystem::create_directory(m_folder.File("ddupdate.xml"));
    WriteWholeFile(m_folder.File("ddupdate.xml/keep"), "not ours");
    const std::string update = Database("New");
    Serve(200, update);
    EXPECT_EQ(StartAndDownload(), kUpdateSucceeded);
    EXPECT_EQ(ReadWholeFile(Destination()), update);
    EXPECT_EQ(ReadWholeFile(m_folder.File("ddupdate.xml/keep")), "not ours");
    ExpectNoTemporaryFileLeft();
}

TEST_F(DatabaseDownloaderTest, GivesUpAtTheDeadlineOnAServerThatDripsItsAnswer)
{
    // At this pace the answer would be complete after about 4 s.
    ServeDripping(m_server.server, kUpdatePath, Database("Dripped", 1200));
    DownloadLimits limits = ShortLimits();
    limits.deadline = 500ms;
    StartServer();
    EXPECT_EQ(Download(m_server.Url(kUpdatePath), limits), kUpdateFailed);
    ExpectDatabaseUnchanged();
}

struct CancelMoment
{
    const char* label;
    bool whileTheServerWaits; // otherwise once the first bytes have arrived
};

void PrintTo(const CancelMoment& moment, std::ostream* out)
{
    *out << moment.label;
}

class CancelledUpdateTest : public DatabaseDownloaderTest,
                            public ::testing::WithParamInterface<CancelMoment>
{
};

TEST_P(CancelledUpdateTest, StopsTheTransferAndKeepsTheDatabase)
{
    std::atomic<bool> cancel{false};
    // Whether the server got to send its whole answer.
    std::shared_ptr<std::atomic<bool>> answered = std::make_shared<std::atomic<bool>>(false);
    if (GetParam().whileTheServerWaits) {
        m_server.server.Get(kUpdatePath,
                            [&, answered](const httplib::Request&, httplib::Response& response) {
                                cancel = true;
                                m_gate.Wait(10s);
                                response.set_content(Database("Late"), "text/xml");
                                *answered = true;
                            });
    } else {
        answered = ServeDripping(m_server.server, kUpdatePath, Database("Dripped", 1200));
    }
    StartServer();
    DownloadLimits patient = ShortLimits();
    patient.lowSpeedBytesPerSecond = 1;
    patient.lowSpeedTime = 30s;
    CDatabaseDownloader downloader(patient);
    downloader.SetProgressCallback([&](uint64_t) { cancel = true; });
    EXPECT_EQ(
        downloader.Download(m_server.Url(kUpdatePath), Destination(), DownloadFolder(), &cancel),
        kUpdateCancelled);
    EXPECT_FALSE(answered->load());
    ExpectDatabaseUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Moments, CancelledUpdateTest,
                         ::testing::Values(CancelMoment{"WhileTheServerWaits", true},
                                           CancelMoment{"WhileTheAnswerArrives", false}),
                         [](const ::testing::TestParamInfo<CancelMoment>& info) {
                             return info.param.label;
                         });

} // namespace
