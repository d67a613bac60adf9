#include "history/ReportCsv.h"

#include "history/CsvWriter.h"
#include "history/LocalTime.h"
#include "history/UtcTime.h"
#include "history/Utf8Text.h"
#include "profiles/ProfileStore.h"
#include "support/ScopedTimeZone.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// One field in, the exact CSV text out.
struct FieldRow
{
    const char* name;
    std::string bytes;
    std::string field;
};

void PrintTo(const FieldRow& row, std::ostream* out)
{
    *out << row.name;
}

class CsvField : public ::testing::TestWithParam<FieldRow>
{
};

TEST_P(CsvField, IsQuotedOnlyWhenItMustBeAndIsUtf8)
{
    CCsvWriter csv;
    csv.AddField(GetParam().bytes);
    csv.AddField("next");
    csv.EndRecord();
    EXPECT_EQ(csv.Text(), GetParam().field + ",next\r\n");
    EXPECT_TRUE(IsValidUtf8(csv.Text()));
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvField,
    ::testing::Values(
        FieldRow{"Plain", "Feedling", "Feedling"}, FieldRow{"Empty", "", ""},
        FieldRow{"Spaces", " padded ", " padded "},
        FieldRow{"Comma", "Feeds, Blogs", "\"Feeds, Blogs\""},
        FieldRow{"Quote", "The \"Best\" Feeds", "\"The \"\"Best\"\" Feeds\""},
        FieldRow{"OnlyQuote", "\"", "\"\"\"\""},
        FieldRow{"LineFeed", "two\nlines", "\"two\nlines\""},
        FieldRow{"CarriageReturn", "two\rlines", "\"two\rlines\""},
        FieldRow{"CrLf", "a\r\nb", "\"a\r\nb\""},
        FieldRow{"Everything", "a,\"b\"\r\n", "\"a,\"\"b\"\"\r\n\""},
        FieldRow{"Utf8Kept", "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x93\xb0",
                 "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x93\xb0"},
        FieldRow{"Latin1", "Caf\xe9, R\xe9pertoire", "\"Caf\xc3\xa9, R\xc3\xa9pertoire\""},
        FieldRow{"Latin1Symbols", "\xa9\xff", "\xc2\xa9\xc3\xbf"},
        // Not UTF-8, so every byte of the name is taken as Latin-1, the valid-looking ones too.
        FieldRow{"Mixed", "\xc3\xa9\xe9", "\xc3\x83\xc2\xa9\xc3\xa9"},
        FieldRow{"Overlong", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
        FieldRow{"Surrogate", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
        FieldRow{"CutShort", "\xe2\x82", "\xc3\xa2\xc2\x82"},
        FieldRow{"AboveUnicode", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},
        FieldRow{"ZeroByte", "a\0b"s, "a\0b"s}),
    [](const auto& info) { return std::string(info.param.name); });

// Names are anybody's text; a spreadsheet must show them, never run them.
INSTANTIATE_TEST_SUITE_P(
    SpreadsheetFormulas, CsvField,
    ::testing::Values(
        FieldRow{"Equals", "=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        FieldRow{"Plus", "+1+cmd|' /C calc'!A0", "'+1+cmd|' /C calc'!A0"},
        FieldRow{"Minus", "-2+3", "'-2+3"}, FieldRow{"At", "@SUM(A1)", "'@SUM(A1)"},
        FieldRow{"Tab", "\t=1", "'\t=1"}, FieldRow{"CarriageReturn", "\r=1", "\"'\r=1\""},
        FieldRow{"WithComma", "=1,2", "\"'=1,2\""}, FieldRow{"NotAtTheStart", "a=1-2@b", "a=1-2@b"},
        FieldRow{"LineFeedFirst", "\n=1", "\"\n=1\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UtcTime, IsTheWallClock)
{
    EXPECT_GT(SystemUtcMilliseconds(), 1765000000000);
}

struct LocalTimeRow
{
    const char* zone;
    int64_t timeUtcMs;
    const char* expected;
};

class LocalTime : public ::testing::TestWithParam<LocalTimeRow>
{
};

TEST_P(LocalTime, IsTheUsersZoneWithItsOffsetAtThatMoment)
{
    const ScopedTimeZone zone(GetParam().zone);
    EXPECT_EQ(FormatIsoLocalTime(GetParam().timeUtcMs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, LocalTime,
    ::testing::Values(
        LocalTimeRow{"UTC0", 0, "1970-01-01T00:00:00+00:00"},
        LocalTimeRow{"UTC0", -1, "1969-12-31T23:59:59+00:00"},
        LocalTimeRow{"<+0530>-5:30", 1765000000999, "2025-12-06T11:16:40+05:30"},
        // New York in winter and in summer: the offset of the moment, not today's.
        LocalTimeRow{"EST5EDT,M3.2.0,M11.1.0", 1765000000000, "2025-12-06T00:46:40-05:00"},
        LocalTimeRow{"EST5EDT,M3.2.0,M11.1.0", 1751328000000, "2025-06-30T20:00:00-04:00"},
        LocalTimeRow{"<-0930>9:30", 0, "1969-12-31T14:30:00-09:30"}));

ProfileRecord Profile(std::string name, CSentSet sent)
{
    ProfileRecord profile;
    profile.name = std::move(name);
    profile.sent = std::move(sent);
    return profile;
}

HistoryEvent Last(int64_t time, std::string profile, std::string directory, HistoryEventKind kind)
{
    return {time, std::move(profile), std::move(directory), kind, 0, 0, ""};
}

// sv.dat decides "sent"; the history decides "refused" among the rest.
struct StatusRow
{
    const char* name;
    bool sentInStateFile;
    std::vector<HistoryEvent> lastEvents;
    std::string expected; // the status, date and confirmed by e-mail fields of the one record
};

void PrintTo(const StatusRow& row, std::ostream* out)
{
    *out << row.name;
}

class ReportStatus : public ::testing::TestWithParam<StatusRow>
{
};

TEST_P(ReportStatus, ComesFromTheStateFileAndTheLastEvent)
{
    const ScopedTimeZone zone("UTC0");
    CProfileStore profiles;
    profiles.AddProfile(
        Profile("Blog", GetParam().sentInStateFile ? CSentSet{"Atlas"} : CSentSet{}));
    const std::string csv =
        ComposeReportCsv({{"Atlas", "http://127.0.0.1/atlas"}}, profiles, GetParam().lastEvents);
    EXPECT_THAT(csv,
                ::testing::StartsWith("Directory,Submission address,Blog status,Blog last event,"
                                      "Blog confirmed by e-mail\r\n"
                                      "Atlas,http://127.0.0.1/atlas," +
                                      GetParam().expected + "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ReportStatus,
    ::testing::Values(StatusRow{"NeverTouched", false, {}, "not sent,,"},
                      StatusRow{"SentBeforeTheHistory", true, {}, "sent,,"},
                      StatusRow{"Refused",
                                false,
                                {Last(0, "Blog", "Atlas", HistoryEventKind::NotConfirmed)},
                                "refused,1970-01-01T00:00:00+00:00,"},
                      StatusRow{"SentAfterAnEarlierRefusal",
                                true,
                                {Last(60000, "Blog", "Atlas", HistoryEventKind::NotConfirmed)},
                                "sent,1970-01-01T00:01:00+00:00,"},
                      StatusRow{"Unmarked",
                                false,
                                {Last(0, "Blog", "Atlas", HistoryEventKind::Unmarked)},
                                "not sent,1970-01-01T00:00:00+00:00,"},
                      StatusRow{"OpenedAgainAfterARefusal",
                                false,
                                {Last(0, "Blog", "Atlas", HistoryEventKind::Opened)},
                                "not sent,1970-01-01T00:00:00+00:00,"},
                      StatusRow{"OtherProfileRefused",
                                false,
                                {Last(0, "Podcast", "Atlas", HistoryEventKind::NotConfirmed)},
                                "not sent,,"},
                      StatusRow{"OtherDirectoryRefused",
                                false,
                                {Last(0, "Blog", "Atlas Extra", HistoryEventKind::NotConfirmed)},
                                "not sent,,"},
                      StatusRow{"ConfirmedByEmailLast",
                                false,
                                {Last(60000, "Blog", "Atlas", HistoryEventKind::ConfirmedByEmail)},
                                "not sent,1970-01-01T00:01:00+00:00,1970-01-01T00:01:00+00:00"},
                      StatusRow{"ConfirmedByEmailBeforeAMarkByHand",
                                true,
                                {Last(120000, "Blog", "Atlas", HistoryEventKind::MarkedByHand),
                                 Last(60000, "Blog", "Atlas", HistoryEventKind::ConfirmedByEmail)},
                                "sent,1970-01-01T00:02:00+00:00,1970-01-01T00:01:00+00:00"},
                      StatusRow{"OtherProfileConfirmedByEmail",
                                false,
                                {Last(0, "Podcast", "Atlas", HistoryEventKind::ConfirmedByEmail)},
                                "not sent,,"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportCsv, QuotesNamesAndKeepsDirectoriesTheDatabaseNoLongerHas)
{
    const ScopedTimeZone zone("<+01>-1");
    CProfileStore profiles;
    profiles.AddProfile(Profile("Caf\xe9", {"Feeds, \"Best\"", "Gone"}));
    profiles.AddProfile(Profile("News, daily", {}));
    profiles.AddProfile(
        Profile("Caf\xe9", {"Atlas"})); // a second of the same name: its marks count
    const std::vector<HistoryEvent> lastEvents{
        Last(1765000000000, "News, daily", "Two\r\nlines", HistoryEventKind::NotConfirmed),
        Last(1765000000000, "News, daily", "Also gone", HistoryEventKind::Submitted),
    };
    const std::string csv =
        ComposeReportCsv({{"Feeds, \"Best\"", "http://127.0.0.1/add?a=1,2"}, {"Two\r\nlines", ""}},
                         profiles, lastEvents);
    EXPECT_EQ(csv,
              "Directory,Submission address,Caf\xc3\xa9 status,Caf\xc3\xa9 last event,"
              "\"News, daily status\",\"News, daily last event\",Caf\xc3\xa9 confirmed by e-mail,"
              "\"News, daily confirmed by e-mail\"\r\n"
              "\"Feeds, \"\"Best\"\"\",\"http://127.0.0.1/add?a=1,2\",sent,,not sent,,,\r\n"
              "\"Two\r\nlines\",,not sent,,refused,2025-12-06T06:46:40+01:00,,\r\n"
              "Also gone,,not sent,,not sent,2025-12-06T06:46:40+01:00,,\r\n"
              "Atlas,,sent,,not sent,,,\r\n"
              "Gone,,sent,,not sent,,,\r\n");
}

// The list asks every profile of a name whether a directory was sent; the report says the same.
TEST(ReportCsv, ProfilesOfOneNameAreOneColumnWithTheMarksOfAll)
{
    CProfileStore profiles;
    profiles.AddProfile(Profile("Blog", {"Atlas"}));
    profiles.AddProfile(Profile("Podcast", {}));
    profiles.AddProfile(Profile("Blog", {"Feedling"}));
    const std::string csv =
        ComposeReportCsv({{"Atlas", ""}, {"Feedling", ""}, {"Zeno", ""}}, profiles, {});
    EXPECT_EQ(csv, "Directory,Submission address,Blog status,Blog last event,Podcast status,"
                   "Podcast last event,Blog confirmed by e-mail,Podcast confirmed by e-mail\r\n"
                   "Atlas,,sent,,not sent,,,\r\n"
                   "Feedling,,sent,,not sent,,,\r\n"
                   "Zeno,,not sent,,not sent,,,\r\n");
}

// sv.dat holds the line feed of a directory's name as a space; the report still finds the mark.
TEST(ReportCsv, ADirectoryWhoseNameHoldsALineFeedIsSentAndListedOnce)
{
    const ScopedTimeZone zone("<+01>-1");
    CProfileStore profiles;
    profiles.AddProfile(Profile("Blog", CSentSet(std::vector<std::string>{"Two lines"})));
    const std::string csv =
        ComposeReportCsv({{"Two\nlines", "http://127.0.0.1/two"}}, profiles,
                         {Last(0, "Blog", "Two\nlines", HistoryEventKind::Confirmed)});
    EXPECT_EQ(csv, "Directory,Submission address,Blog status,Blog last event,"
                   "Blog confirmed by e-mail\r\n"
                   "\"Two\nlines\",http://127.0.0.1/two,sent,1970-01-01T01:00:00+01:00,\r\n");
}

} // namespace
