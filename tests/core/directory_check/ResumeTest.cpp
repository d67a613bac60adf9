// A check cancelled in the middle of a transfer keeps what it judged, and the next one goes on
// from there.
#include "CheckFixture.h"
#include "directory_check/DirectoryCheckRun.h"
#include "directory_check/DirectoryCheckStore.h"
#include "support/TemporaryFolder.h"

#include <atomic>
#include <gmock/gmock.h>

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::Field;

class ResumeTest : public CheckFixture
{
protected:
    // How often the server was asked for `path`.
    size_t RequestsFor(const std::string& path) const
    {
        size_t count = 0;
        for (const auto& request : m_server.Requests())
            count += request.path == path ? 1 : 0;
        return count;
    }

    TemporaryFolder m_folder;
};

TEST_F(ResumeTest, ACancelledCheckResumesWhereItStopped)
{
    std::atomic<CDirectoryChecker*> cancelOnSlowPage{nullptr};
    ServePage("/fast", FormPage({"url"}));
    m_server.server.Get("/slow", [&](const httplib::Request&, httplib::Response& response) {
        // The user cancels while this page is still on its way.
        if (CDirectoryChecker* checker = cancelOnSlowPage.exchange(nullptr))
            checker->Cancel();
        m_gate.Wait(10s);
        response.set_content(FormPage({"url"}), "text/html");
    });
    m_server.Start();
    // One at a time, so that the order of the work is known.
    DirectoryCheckOptions oneByOne = ShortOptions();
    oneByOne.maxTransfers = 1;
    oneByOne.limits.deadline = 20s;
    const std::vector<DirectoryCheckTarget> targets = {
        Target("A", "/fast?a"), Target("B", "/fast?b"), Target("C", "/slow?c"),
        Target("D", "/slow?d")};
    CDirectoryCheckStore store;
    ASSERT_TRUE(store.Open(m_folder.File("history.sqlite")).ok);

    CDirectoryChecker first(oneByOne);
    cancelOnSlowPage = &first;
    const DirectoryCheckOutcome stopped = CDirectoryCheckRun(first, &store).Run(targets, false);
    EXPECT_FALSE(stopped.finished);
    EXPECT_THAT(stopped.results, ElementsAre(Field(&DirectoryCheckResult::name, "A"),
                                             Field(&DirectoryCheckResult::name, "B")));

    m_gate.Open();
    CDirectoryChecker second(oneByOne);
    const DirectoryCheckOutcome resumed = CDirectoryCheckRun(second, &store).Run(targets, false);
    EXPECT_TRUE(resumed.finished);
    EXPECT_EQ(resumed.skipped, 2u);
    EXPECT_THAT(resumed.results, ElementsAre(Field(&DirectoryCheckResult::name, "C"),
                                             Field(&DirectoryCheckResult::name, "D")));
    EXPECT_EQ(RequestsFor("/fast"), 2u);

    std::vector<DirectoryCheckResult> stored;
    ASSERT_TRUE(store.ReadAll(stored).ok);
    EXPECT_EQ(stored.size(), 4u);
}

} // namespace
