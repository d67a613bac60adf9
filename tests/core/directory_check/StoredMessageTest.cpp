// A check's message is kept as what was found and put into words in the language of the moment
// it is shown; the words an earlier version kept are shown as they were.
#include "common/TextCatalogue.h"
#include "directory_check/AnswerClassifier.h"
#include "directory_check/DirectoryCheckMessage.h"
#include "directory_check/DirectoryCheckStore.h"
#include "support/TemporaryFolder.h"
#include "support/Unprivileged.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A language whose every text is marked, as a catalogue's translation would be.
std::string Marked(const char*, const char* text, int)
{
    return std::string("[xx] ") + text;
}

PageAnswer Answer(std::vector<long> statuses, CURLcode code = CURLE_OK,
                  const std::string& finalAddress = {})
{
    PageAnswer answer;
    answer.statuses = std::move(statuses);
    answer.code = code;
    answer.body = "<form><input name=\"url\"></form>";
    answer.finalAddress = finalAddress;
    answer.lastAddressAnswered = !answer.statuses.empty();
    answer.deadlinePassed = code == CURLE_OPERATION_TIMEDOUT;
    return answer;
}

std::vector<DirectoryCheckResult> SaveAndRead(const std::string& path,
                                              const std::vector<DirectoryCheckResult>& results)
{
    CDirectoryCheckStore store;
    std::vector<DirectoryCheckResult> read;
    EXPECT_TRUE(store.Open(path).ok);
    EXPECT_TRUE(store.Save(results).ok);
    EXPECT_TRUE(store.ReadAll(read).ok);
    std::sort(read.begin(), read.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return read;
}

TEST(StoredMessageTest, IsPutIntoWordsInTheLanguageOfTheMomentItIsRead)
{
    const std::vector<FormField> fields{{"url", FieldType::Edit, 0, "#url#"},
                                        {"email", FieldType::Edit, 0, "#email#"}};
    const struct
    {
        PageAnswer answer;
        std::vector<FormField> fields;
        std::string words; // in English, once read back
    } rows[] = {
        {Answer({404}), {}, "Not found (404)"},
        {Answer({200}), fields, "Fields missing: email."},
        {Answer({301, 200}, CURLE_OK, "http://b.example/new"),
         {},
         "Moved to http://b.example/new."},
        {Answer({}, CURLE_OPERATION_TIMEDOUT), {}, "No complete answer within 30 seconds."},
        {Answer({}, CURLE_WRITE_ERROR), {}, "The page could not be fetched (libcurl error 23)."},
        {Answer({200}, CURLE_GOT_NOTHING),
         {},
         "The server answered (200), then the transfer failed (libcurl error 52)."},
    };
    TemporaryFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.words);
        InstallTextTranslator(&Marked);
        const DirectoryCheckResult checked =
            ClassifyAnswer({"Directory", "http://a.example/", row.fields}, row.answer,
                           std::chrono::seconds(30), 1);
        EXPECT_EQ(DirectoryCheckMessage(checked).rfind("[xx] ", 0), 0u);
        InstallTextTranslator(nullptr);
        const std::vector<DirectoryCheckResult> read =
            SaveAndRead(folder.File("history.sqlite"), {checked});
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(DirectoryCheckMessage(read[0]), row.words);
        EXPECT_EQ(read[0].status, checked.status);
    }
}

TEST(StoredMessageTest, RowsOfAnEarlierVersionKeepTheirWords)
{
    // The layout before findings were kept, as an earlier version left it.
    constexpr const char* kEarlierLayout = R"sql(
        CREATE TABLE events (id INTEGER PRIMARY KEY, time_ms INTEGER NOT NULL,
            profile BLOB NOT NULL, directory BLOB NOT NULL, kind TEXT NOT NULL,
            fields_set INTEGER, fields_total INTEGER, address TEXT NOT NULL);
        CREATE TABLE directory_checks (directory BLOB PRIMARY KEY, time_ms INTEGER NOT NULL,
            status TEXT NOT NULL, http_status INTEGER NOT NULL, address TEXT NOT NULL,
            final_address TEXT NOT NULL, missing_fields BLOB NOT NULL, message TEXT NOT NULL);
        INSERT INTO directory_checks VALUES (x'46696e65', 6, 'ok', 200, 'http://b/', 'http://b/', x'',
            ''), (x'476f6e65', 5, 'not_found', 404, 'http://a/', 'http://a/', x'',
            'Nicht gefunden (404)');
        PRAGMA user_version = 2;
    )sql";
    TemporaryFolder folder;
    const std::string path = folder.File("history.sqlite");
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &raw), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(raw, kEarlierLayout, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
    const auto wordsKept = [](const std::vector<DirectoryCheckResult>& read) {
        return read.size() == 2 && DirectoryCheckMessage(read[0]).empty() &&
               DirectoryCheckMessage(read[1]) == "Nicht gefunden (404)";
    };

    // Write-protected, it cannot be brought up to date and is read as it stands.
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.Path(), fs::perms::all);
    EXPECT_TRUE(PassesWithoutPrivileges([&]() -> std::string {
        CDirectoryCheckStore store;
        std::vector<DirectoryCheckResult> read;
        if (const HistoryOutcome opened = store.Open(path); !opened.ok)
            return "not opened: " + opened.error;
        store.ReadAll(read);
        std::sort(read.begin(), read.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        return wordsKept(read) ? "" : "words lost";
    }));
    fs::permissions(folder.Path(), fs::perms::owner_all);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);

    // Brought up to date, and saved again unchanged.
    std::vector<DirectoryCheckResult> read = SaveAndRead(path, {});
    EXPECT_TRUE(wordsKept(SaveAndRead(path, read)));
}

} // namespace
