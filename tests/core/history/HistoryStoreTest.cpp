#include "history/HistoryStore.h"

#include "HistoryTestFolder.h"
#include "history/HistorySchema.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

HistoryEvent MakeEvent(int64_t time, std::string profile, std::string directory,
                       HistoryEventKind kind)
{
    return {time, std::move(profile), std::move(directory), kind, 0, 0, "http://127.0.0.1/x"};
}

// A second connection of the test's own, to look at the file the way another program would.
class RawDatabase
{
public:
    explicit RawDatabase(const std::string& path)
    {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        m_db.reset(db);
    }
    int64_t Number(const char* sql)
    {
        CSqliteStatement statement;
        if (!statement.Prepare(m_db.get(), sql) || statement.Step() != SQLITE_ROW)
            return -1;
        return statement.ColumnInt(0);
    }
    std::string Text(const char* sql)
    {
        CSqliteStatement statement;
        if (!statement.Prepare(m_db.get(), sql) || statement.Step() != SQLITE_ROW)
            return "(error: "s + sqlite3_errmsg(m_db.get()) + ")";
        return statement.ColumnBytes(0);
    }
    int Execute(const char* sql)
    {
        return sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr);
    }

private:
    SqliteConnection m_db;
};

class HistoryStoreTest : public HistoryTestFolder
{
};

// Every kind, with names that are not UTF-8 (Latin-1 from old sv.dat files), empty, or hold a
// zero byte, comes back exactly as it went in.
struct RoundTripRow
{
    HistoryEvent event;
};

void PrintTo(const RoundTripRow& row, std::ostream* out)
{
    *out << KindName(row.event.kind);
}

class HistoryStoreRoundTrip : public HistoryTestFolder,
                              public ::testing::WithParamInterface<RoundTripRow>
{
};

TEST_P(HistoryStoreRoundTrip, ComesBackAsWritten)
{
    {
        CHistoryStore store;
        ASSERT_TRUE(store.Open(HistoryPath()).ok);
        ASSERT_TRUE(store.Append(GetParam().event).ok);
    }
    CHistoryStore reopened;
    ASSERT_TRUE(reopened.Open(HistoryPath()).ok);
    std::vector<HistoryEvent> events;
    ASSERT_TRUE(reopened.ReadEvents(events).ok);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], GetParam().event);
    EXPECT_EQ(KindFromName(KindName(GetParam().event.kind)), GetParam().event.kind);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, HistoryStoreRoundTrip,
    ::testing::Values(
        RoundTripRow{{1765000000000, "Blog", "Feedling", HistoryEventKind::Opened, 0, 0,
                      "http://127.0.0.1:8431/feedling/submit.php?cat=3"}},
        RoundTripRow{{1765000000001, "Caf\xe9 Lat\xedn-1", "R\xe9pertoire",
                      HistoryEventKind::Filled, 7, 9, "http://127.0.0.1/form"}},
        RoundTripRow{{1765000000002, "", "", HistoryEventKind::Submitted, 0, 0, ""}},
        RoundTripRow{{1765000000003, "zero\0byte"s, "dir\0x"s, HistoryEventKind::Confirmed, 0, 0,
                      "http://127.0.0.1/result"}},
        RoundTripRow{{-1000, "before 1970", "d", HistoryEventKind::NotConfirmed, 0, 0, "a"}},
        RoundTripRow{{1765000000005, "Blog", "Atlas, \"quoted\"\r\n",
                      HistoryEventKind::MarkedByHand, 0, 0, ""}},
        RoundTripRow{
            {1765000000006, "\xe2\x82\xac uro", "Pingwell", HistoryEventKind::Unmarked, 0, 0, ""}},
        RoundTripRow{{1765000000007, "Blog", "Pingwell", HistoryEventKind::ConfirmedByEmail, 0, 0,
                      "http://127.0.0.1/confirm?key=1"}}));

TEST_F(HistoryStoreTest, ReadsNewestFirstAndTheNewestEventOfEveryPair)
{
    CHistoryStore store;
    ASSERT_TRUE(store.Open(HistoryPath()).ok);
    const std::vector<HistoryEvent> written{
        MakeEvent(100, "Blog", "Atlas", HistoryEventKind::Opened),
        MakeEvent(300, "Blog", "Atlas", HistoryEventKind::NotConfirmed),
        MakeEvent(200, "Blog", "Feedling", HistoryEventKind::Submitted),
        // The same millisecond: the one recorded later is the newer.
        MakeEvent(200, "Blog", "Feedling", HistoryEventKind::Confirmed),
        MakeEvent(50, "Podcast", "Atlas", HistoryEventKind::MarkedByHand),
        // Not the pair's newest, yet read for the report's column of its own.
        MakeEvent(250, "Blog", "Atlas", HistoryEventKind::ConfirmedByEmail),
        MakeEvent(40, "Podcast", "Atlas", HistoryEventKind::ConfirmedByEmail),
        MakeEvent(30, "Podcast", "Atlas", HistoryEventKind::ConfirmedByEmail),
    };
    for (const HistoryEvent& event : written)
        ASSERT_TRUE(store.Append(event).ok);

    std::vector<HistoryEvent> events;
    ASSERT_TRUE(store.ReadEvents(events).ok);
    EXPECT_EQ(events, (std::vector{written[1], written[5], written[3], written[2], written[0],
                                   written[4], written[6], written[7]}));

    ASSERT_TRUE(store.ReadLastEvents(events).ok);
    ASSERT_EQ(events.size(), 5u);
    EXPECT_THAT(std::vector(events.begin(), events.begin() + 3),
                ::testing::UnorderedElementsAre(written[1], written[3], written[4]));
    EXPECT_THAT(std::vector(events.begin() + 3, events.end()),
                ::testing::UnorderedElementsAre(written[5], written[6]));
}

TEST_F(HistoryStoreTest, ANewOrEmptyFileIsMigratedToTheCurrentLayoutInWalMode)
{
    for (const bool fileExists : {false, true}) {
        std::filesystem::remove(HistoryPath());
        if (fileExists)
            WriteWholeFile(HistoryPath(), "");
        {
            CHistoryStore store;
            const HistoryOutcome opened = store.Open(HistoryPath());
            ASSERT_TRUE(opened.ok) << opened.error;
            ASSERT_TRUE(store.Append(MakeEvent(1, "p", "d", HistoryEventKind::Opened)).ok);
        }
        RawDatabase raw(HistoryPath());
        EXPECT_EQ(raw.Number("PRAGMA user_version"), history_schema::kCurrentVersion);
        EXPECT_EQ(raw.Text("PRAGMA journal_mode"), "wal");
        EXPECT_EQ(raw.Number("SELECT count(*) FROM events"), 1);
        EXPECT_EQ(raw.Text("PRAGMA integrity_check"), "ok");
    }
}

TEST_F(HistoryStoreTest, AFileAtTheCurrentVersionKeepsItsEvents)
{
    for (int run = 0; run < 3; ++run) {
        CHistoryStore store;
        ASSERT_TRUE(store.Open(HistoryPath()).ok);
        ASSERT_TRUE(store.Append(MakeEvent(run, "p", "d", HistoryEventKind::Opened)).ok);
    }
    CHistoryStore store;
    ASSERT_TRUE(store.Open(HistoryPath()).ok);
    std::vector<HistoryEvent> events;
    ASSERT_TRUE(store.ReadEvents(events).ok);
    EXPECT_EQ(events.size(), 3u);
}

// A file the program cannot use is refused with SQLite's reason and left exactly as it was.
struct BadFileRow
{
    const char* name;
    std::string bytes;         // written as the file before opening, unless empty
    const char* rawSetup;      // run through a raw connection instead, unless null
    const char* expectedError; // a part of the reason
};

void PrintTo(const BadFileRow& row, std::ostream* out)
{
    *out << row.name;
}

class HistoryStoreBadFile : public HistoryTestFolder,
                            public ::testing::WithParamInterface<BadFileRow>
{
};

TEST_P(HistoryStoreBadFile, IsRefusedAndLeftAlone)
{
    const BadFileRow& row = GetParam();
    if (row.rawSetup)
        ASSERT_EQ(RawDatabase(HistoryPath()).Execute(row.rawSetup), SQLITE_OK);
    else
        WriteWholeFile(HistoryPath(), row.bytes);
    const std::string before = ReadWholeFile(HistoryPath());

    CHistoryStore store;
    const HistoryOutcome opened = store.Open(HistoryPath());
    EXPECT_FALSE(opened.ok);
    EXPECT_THAT(opened.error, ::testing::HasSubstr(row.expectedError));
    EXPECT_FALSE(store.IsOpen());
    EXPECT_FALSE(store.Append(MakeEvent(1, "p", "d", HistoryEventKind::Opened)).ok);
    EXPECT_TRUE(ReadWholeFile(HistoryPath()) == before) << "the file was changed";
}

INSTANTIATE_TEST_SUITE_P(
    Files, HistoryStoreBadFile,
    ::testing::Values(BadFileRow{"NotSqlite", std::string(4096, 'x'), nullptr, "not a database"},
                      BadFileRow{"TextFile", "Blog\r\nAtlas\r\n", nullptr, "not a database"},
                      BadFileRow{"TruncatedHeader", "SQLite format 3", nullptr, "not a database"},
                      BadFileRow{"NewerLayout", "",
                                 "CREATE TABLE events (id INTEGER PRIMARY KEY, what TEXT);"
                                 "PRAGMA user_version = 7;",
                                 "newer version"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryStoreTest, AFileLockedByAnotherProgramIsReportedAfterTheBusyTimeout)
{
    RawDatabase other(HistoryPath());
    ASSERT_EQ(other.Execute("CREATE TABLE t (x); BEGIN EXCLUSIVE; INSERT INTO t VALUES (1);"),
              SQLITE_OK);
    CHistoryStore store;
    const HistoryOutcome opened = store.Open(HistoryPath());
    EXPECT_FALSE(opened.ok);
    EXPECT_THAT(opened.error, ::testing::HasSubstr("locked"));
}

} // namespace
