// A check spares each directory's server: never more than two of its pages at once, however
// its address is written.
#include "CheckFixture.h"
#include "net/CurlTransfer.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;

struct ServerRow
{
    const char* a;
    const char* b;
    bool sameServer;
};

class ServerOfTest : public ::testing::TestWithParam<ServerRow>
{
};

TEST_P(ServerOfTest, NamesOneServerAsLibcurlConnectsToIt)
{
    const ServerRow& row = GetParam();
    const CCurlLibrary& library = CCurlLibrary::Shared();
    ASSERT_TRUE(library.IsAvailable());
    EXPECT_EQ(ServerOf(library, row.a) == ServerOf(library, row.b), row.sameServer)
        << ServerOf(library, row.a) << " against " << ServerOf(library, row.b);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, ServerOfTest,
    ::testing::Values(ServerRow{"http://127.1:8080/a", "http://127.0.0.1:8080/b", true},
                      ServerRow{"http://0x7f000001/", "http://127.0.0.1:80/", true},
                      ServerRow{"http://127.000.000.001/", "http://127.0.0.1/", true},
                      ServerRow{"http://Example.COM:80/x", "http://example.com/y?z", true},
                      ServerRow{"http://user:pw@example.com/", "http://example.com/", true},
                      ServerRow{"https://example.com:443/", "https://example.com/", true},
                      ServerRow{"https://example.com/", "http://example.com/", false},
                      ServerRow{"http://example.com:8080/", "http://example.com/", false},
                      ServerRow{"http://a.example/", "http://b.example/", false}));

TEST_F(CheckFixture, AsksOneServerForTwoPagesAtATimeAtMost)
{
    constexpr size_t kPages = 6;
    std::mutex mutex;
    std::condition_variable changed;
    int inFlight = 0;
    int most = 0;
    m_server.server.Get("/page", [&](const httplib::Request&, httplib::Response& response) {
        {
            // Each answer is held back a while, so that a checker allowed more requests would
            // have them pile up here; a third one lets them all go at once.
            std::unique_lock lock(mutex);
            most = std::max(most, ++inFlight);
            changed.notify_all();
            changed.wait_for(lock, 300ms, [&] { return inFlight > 2; });
        }
        response.set_content(FormPage({}), "text/html");
        std::lock_guard lock(mutex);
        --inFlight;
    });
    m_server.Start();
    std::vector<DirectoryCheckTarget> targets;
    for (size_t i = 0; i < kPages; ++i)
        targets.push_back(Target(std::to_string(i), "/page?" + std::to_string(i)));

    size_t judged = 0;
    DirectoryCheckOptions patient = ShortOptions();
    patient.limits.deadline = 20s;
    CDirectoryChecker checker(patient);
    EXPECT_TRUE(checker.Run(targets, [&](size_t, const DirectoryCheckResult& result) {
        EXPECT_EQ(result.status, DirectoryCheckStatus::Ok) << result.name << ": " << result.message;
        ++judged;
    }));
    EXPECT_EQ(judged, kPages);
    EXPECT_EQ(most, 2);
}

TEST_F(CheckFixture, CountsOneServerWrittenSeveralWaysAsOne)
{
    std::mutex mutex;
    int inFlight = 0;
    int most = 0;
    m_server.server.Get("/page", [&](const httplib::Request&, httplib::Response& response) {
        {
            std::lock_guard lock(mutex);
            most = std::max(most, ++inFlight);
        }
        // A slow server: taken two at a time, eight pages take longer than one's deadline.
        std::this_thread::sleep_for(300ms);
        response.set_content(FormPage({}), "text/html");
        std::lock_guard lock(mutex);
        --inFlight;
    });
    m_server.Start();
    const std::string port = std::to_string(m_server.Port());
    std::vector<DirectoryCheckTarget> targets;
    for (const char* host : {"127.0.0.1", "127.1", "0x7f000001", "127.000.000.001"}) {
        for (const char* page : {"a", "b"})
            targets.push_back({std::string(host) + page,
                               "http://" + std::string(host) + ":" + port + "/page?" + page,
                               {}});
    }

    DirectoryCheckOptions options = ShortOptions();
    options.limits.deadline = 1s;
    CDirectoryChecker checker(options);
    size_t judged = 0;
    // Each page's deadline runs from when its own transfer starts, not while it waits its turn.
    EXPECT_TRUE(checker.Run(targets, [&](size_t, const DirectoryCheckResult& result) {
        EXPECT_EQ(result.status, DirectoryCheckStatus::Ok) << result.name << ": " << result.message;
        ++judged;
    }));
    EXPECT_EQ(judged, targets.size());
    EXPECT_EQ(most, 2);
}

} // namespace
