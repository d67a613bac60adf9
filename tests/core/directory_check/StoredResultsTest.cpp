// What a check keeps in history.sqlite, and which directories a later check leaves out.
#include "CheckFixture.h"
#include "directory_check/DirectoryCheckRun.h"
#include "directory_check/DirectoryCheckStore.h"
#include "history/HistoryStore.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <atomic>
#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

constexpr int64_t kDay = 24 * 60 * 60 * 1000;
constexpr int64_t kStart = 1'800'000'000'000;

class StoredResultsTest : public CheckFixture
{
protected:
    DirectoryCheckOutcome CheckAt(int64_t nowUtcMs, bool all)
    {
        const auto clock = [nowUtcMs] { return nowUtcMs; };
        CDirectoryChecker checker(ShortOptions(), CCurlLibrary::Shared(), clock);
        return CDirectoryCheckRun(checker, &m_store, clock).Run(m_targets, all);
    }

    std::vector<DirectoryCheckResult> Stored()
    {
        std::vector<DirectoryCheckResult> stored;
        EXPECT_TRUE(m_store.ReadAll(stored).ok);
        std::sort(stored.begin(), stored.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        return stored;
    }

    TemporaryFolder m_folder;
    CDirectoryCheckStore m_store;
    std::vector<DirectoryCheckTarget> m_targets;
};

TEST_F(StoredResultsTest, KeepsOneRowPerDirectoryAndSkipsThoseCheckedThisWeek)
{
    std::atomic<bool> fixed{false};
    ServePage("/fine", FormPage({"url"}));
    m_server.server.Get("/changing", [&](const httplib::Request&, httplib::Response& response) {
        response.set_content(fixed ? FormPage({"url", "email"}) : FormPage({"url"}), "text/html");
    });
    m_server.Start();
    const FormField url{"url", FieldType::Edit, 0, "#url#"};
    const FormField email{"email", FieldType::Edit, 0, "#email#"};
    // A name that is not UTF-8 comes back as it went in.
    m_targets = {Target("Fine", "/fine", {url}), Target("Changing \xff", "/changing", {url, email}),
                 Target("Missing", "/nothing-here", {url})};
    // The checks share the file with the history's events, which they leave alone.
    {
        CHistoryStore history;
        ASSERT_TRUE(history.Open(m_folder.File("history.sqlite")).ok);
        ASSERT_TRUE(history.Append({1, "p", "Fine", HistoryEventKind::Opened, 0, 0, "x"}).ok);
    }
    ASSERT_TRUE(m_store.Open(m_folder.File("history.sqlite")).ok);

    EXPECT_EQ(CheckAt(kStart, false).results.size(), 3u);
    const std::vector<DirectoryCheckResult> first = Stored();
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].name, "Changing \xff");
    EXPECT_EQ(first[0].status, DirectoryCheckStatus::FormChanged);
    EXPECT_THAT(first[0].missingFields, ElementsAre("email"));
    EXPECT_EQ(first[0].finalAddress, m_server.Url("/changing"));
    EXPECT_EQ(first[1].status, DirectoryCheckStatus::Ok);
    EXPECT_EQ(first[2].status, DirectoryCheckStatus::NotFound);
    EXPECT_EQ(first[2].httpStatus, 404);
    EXPECT_EQ(DirectoryCheckMessage(first[2]), "Not found (404)");
    EXPECT_EQ(first[2].checkedUtcMs, kStart);

    // Six days later nothing is due; asked for all, everything is checked again.
    const size_t requests = m_server.Requests().size();
    const DirectoryCheckOutcome soon = CheckAt(kStart + 6 * kDay, false);
    EXPECT_TRUE(soon.finished);
    EXPECT_EQ(soon.skipped, 3u);
    EXPECT_THAT(soon.results, IsEmpty());
    EXPECT_EQ(m_server.Requests().size(), requests);
    EXPECT_EQ(CheckAt(kStart + 6 * kDay, true).results.size(), 3u);

    // After a week everything is due again, and the new findings replace the old rows.
    fixed = true;
    const DirectoryCheckOutcome later = CheckAt(kStart + 14 * kDay, false);
    EXPECT_EQ(later.skipped, 0u);
    EXPECT_EQ(later.results.size(), 3u);
    const std::vector<DirectoryCheckResult> replaced = Stored();
    ASSERT_EQ(replaced.size(), 3u);
    EXPECT_EQ(replaced[0].status, DirectoryCheckStatus::Ok);
    EXPECT_THAT(replaced[0].missingFields, IsEmpty());
    EXPECT_EQ(replaced[0].checkedUtcMs, kStart + 14 * kDay);

    CHistoryStore history;
    ASSERT_TRUE(history.Open(m_folder.File("history.sqlite")).ok);
    std::vector<HistoryEvent> events;
    ASSERT_TRUE(history.ReadEvents(events).ok);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(StoredResultsTest, AResultFoundAtAnotherAddressSparesNoCheck)
{
    ServePage("/fine", FormPage({"url"}));
    m_server.Start();
    ASSERT_TRUE(m_store.Open(m_folder.File("history.sqlite")).ok);
    const auto kept = [&](const char* name, std::string address, DirectoryCheckStatus status) {
        DirectoryCheckResult result;
        result.name = name;
        result.address = std::move(address);
        result.status = status;
        result.checkedUtcMs = kStart;
        return result;
    };
    // "Moved" was found gone at the address it had before an update; "Addressless" was kept
    // without its address.
    ASSERT_TRUE(m_store
                    .Save({kept("Moved", m_server.Url("/old"), DirectoryCheckStatus::NotFound),
                           kept("Same", m_server.Url("/fine"), DirectoryCheckStatus::Ok),
                           kept("Addressless", "", DirectoryCheckStatus::Unreachable)})
                    .ok);
    m_targets = {Target("Moved", "/fine"), Target("Same", "/fine"), Target("Addressless", "/fine")};

    const DirectoryCheckOutcome outcome = CheckAt(kStart + kDay, false);
    EXPECT_EQ(outcome.skipped, 1u);
    EXPECT_THAT(outcome.results, ElementsAre(Field(&DirectoryCheckResult::name, "Moved"),
                                             Field(&DirectoryCheckResult::name, "Addressless")));
    for (const DirectoryCheckResult& result : Stored()) {
        EXPECT_EQ(result.status, DirectoryCheckStatus::Ok) << result.name;
        EXPECT_EQ(result.address, m_server.Url("/fine")) << result.name;
    }
}

} // namespace
