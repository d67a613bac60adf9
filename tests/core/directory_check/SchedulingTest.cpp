// A check spares each directory's server: never more than two of its pages at once, however
// its address is written.
#include "CheckFixture.h"
#include "net/CurlTransfer.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
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

// A server that counts the pages asked of it at once.
class PerServerLimitTest : public CheckFixture
{
protected:
    // Serves /page, each answer held back by `holdBack` (called with the count locked).
    void ServeCountedPage(std::function<void(std::unique_lock<std::mutex>&)> holdBack)
    {
        m_server.server.Get("/page",
                            [this, holdBack](const httplib::Request&, httplib::Response& response) {
                                {
                                    std::unique_lock lock(m_mutex);
                                    m_most = std::max(m_most, ++m_inFlight);
                                    m_changed.notify_all();
                                    holdBack(lock);
                                }
                                response.set_content(FormPage({}), "text/html");
                                std::lock_guard lock(m_mutex);
                                --m_inFlight;
                            });
        m_server.Start();
    }

    // Every target found ok, never more than two asked at once.
    void ExpectAllOkTwoAtATime(const std::vector<DirectoryCheckTarget>& targets,
                               std::chrono::milliseconds deadline)
    {
        DirectoryCheckOptions options = ShortOptions();
        options.limits.deadline = deadline;
        CDirectoryChecker checker(options);
        size_t judged = 0;
        EXPECT_TRUE(checker.Run(targets, [&](size_t, const DirectoryCheckResult& result) {
            EXPECT_EQ(result.status, DirectoryCheckStatus::Ok)
                << result.name << ": " << DirectoryCheckMessage(result);
            ++judged;
        }));
        EXPECT_EQ(judged, targets.size());
        EXPECT_EQ(m_most, 2);
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_inFlight = 0;
    int m_most = 0;
};

TEST_F(PerServerLimitTest, AsksOneServerForTwoPagesAtATimeAtMost)
{
    // Each answer is held back a while, so that a checker allowed more requests would have them
    // pile up here; a third one lets them all go at once.
    ServeCountedPage([this](std::unique_lock<std::mutex>& lock) {
        m_changed.wait_for(lock, 300ms, [this] { return m_inFlight > 2; });
    });
    std::vector<DirectoryCheckTarget> targets;
    for (size_t i = 0; i < 6; ++i)
        targets.push_back(Target(std::to_string(i), "/page?" + std::to_string(i)));
    ExpectAllOkTwoAtATime(targets, 20s);
}

TEST_F(PerServerLimitTest, CountsOneServerWrittenSeveralWaysAsOne)
{
    // A slow server: taken two at a time, eight pages take longer than one's deadline.
    ServeCountedPage([](std::unique_lock<std::mutex>& lock) {
        lock.unlock();
        std::this_thread::sleep_for(300ms);
        lock.lock();
    });
    const std::string port = std::to_string(m_server.Port());
    std::vector<DirectoryCheckTarget> targets;
    for (const char* host : {"127.0.0.1", "127.1", "0x7f000001", "127.000.000.001"}) {
        for (const char* page : {"a", "b"})
            targets.push_back({std::string(host) + page,
                               "http://" + std::string(host) + ":" + port + "/page?" + page,
                               {}});
    }
    // Each page's deadline runs from when its own transfer starts, not while it waits its turn.
    ExpectAllOkTwoAtATime(targets, 1s);
}

} // namespace
