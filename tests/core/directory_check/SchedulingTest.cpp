// A check spares each directory's server: never more than two of its pages at once.
#include "CheckFixture.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

using namespace std::chrono_literals;

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

} // namespace
