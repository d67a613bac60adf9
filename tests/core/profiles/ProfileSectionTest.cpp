// The profile section of sv.dat as LoadProfiles reads it and SaveProfiles writes it.
#include "profiles/ProfileStore.h"
#include "profiles/ProfileTextFields.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace {

CProfileStore Loaded(const std::string& section)
{
    std::istringstream in(section);
    CProfileStore store;
    EXPECT_TRUE(store.LoadProfiles(in));
    return store;
}

std::string Saved(const CProfileStore& store)
{
    std::ostringstream out;
    EXPECT_TRUE(store.SaveProfiles(out));
    return out.str();
}

bool IsEmpty(const ProfileRecord& profile)
{
    return profile.sent.empty() &&
           std::all_of(kProfileTextFields.begin(), kProfileTextFields.end(),
                       [&profile](auto field) { return (profile.*field).empty(); });
}

// A block of ten fields, the first being `name`, its count line and the given sent lines.
std::string BlockWithCount(const std::string& name, const std::string& countLine,
                           std::initializer_list<std::string> sentLines)
{
    std::string block = name + "\r\n";
    for (int field = 1; field < 10; ++field)
        block += "field " + std::to_string(field) + "\r\n";
    block += countLine + "\r\n";
    for (const std::string& line : sentLines)
        block += line + "\r\n";
    return block;
}

std::string Block(const std::string& name, std::initializer_list<std::string> sentLines = {})
{
    return BlockWithCount(name, std::to_string(sentLines.size()), sentLines);
}

} // namespace

TEST(ProfileSectionTest, EmptyStoreIsTheDigitZero)
{
    EXPECT_EQ(Saved(CProfileStore()), "0\r\n");
}

TEST(ProfileSectionTest, DefaultRecordIsTenEmptyLinesAndZero)
{
    CProfileStore store;
    store.AddProfile(ProfileRecord());
    EXPECT_EQ(Saved(store), "1\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n");
}

TEST(ProfileSectionTest, FieldsAreWrittenInTheirFixedOrder)
{
    ProfileRecord profile{"n", "u", "t", "d", "c", "s", "k", "e", "f", "l", {}};
    CProfileStore store;
    store.AddProfile(profile);
    EXPECT_EQ(Saved(store), "1\r\nn\r\nu\r\nt\r\nd\r\nc\r\ns\r\nk\r\ne\r\nf\r\nl\r\n0\r\n");
}

TEST(ProfileSectionTest, SentNamesAreWrittenInUnsignedByteOrder)
{
    CProfileStore store;
    store.AddProfile(ProfileRecord());
    for (const char* name :
         {"beta", "a", "Feeds", "alpha", "\xC3\xA9t\xC3\xA9", "B", "Alpha", "Feed", "beta"})
        store.MarkSent("", name);

    EXPECT_EQ(Saved(store), "1\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                            "8\r\nAlpha\r\nB\r\nFeed\r\nFeeds\r\na\r\nalpha\r\nbeta\r\n"
                            "\xC3\xA9t\xC3\xA9\r\n");
}

struct CountCase
{
    const char* line;
    size_t profiles;
};

class ProfileCountTest : public ::testing::TestWithParam<CountCase>
{
};

TEST_P(ProfileCountTest, CountIsReadTheWayAtoiReadsIt)
{
    const CProfileStore store = Loaded(std::string(GetParam().line) + "\r\n");
    EXPECT_EQ(store.Profiles().size(), GetParam().profiles);
    for (const ProfileRecord& profile : store.Profiles())
        EXPECT_TRUE(IsEmpty(profile));
}

INSTANTIATE_TEST_SUITE_P(Counts, ProfileCountTest,
                         ::testing::Values(CountCase{"3x", 3}, CountCase{"letters", 0},
                                           CountCase{"-2", 0}, CountCase{"", 0},
                                           CountCase{" \t+2", 2}, CountCase{"0x5", 0},
                                           CountCase{"- 4", 0}, CountCase{"-0", 0},
                                           CountCase{"007", 7}, CountCase{"2 3", 2}));

TEST(ProfileSectionTest, CountInTheSentBlockFollowsTheSameRules)
{
    const CProfileStore store =
        Loaded("2\r\n" + BlockWithCount("One", "2x", {"3x", "Alpha"}) + Block("Two"));
    ASSERT_EQ(store.Profiles().size(), 2u);
    EXPECT_EQ(store.Profiles()[0].sent, (CSentSet{"3x", "Alpha"}));
    EXPECT_EQ(store.Profiles()[1].name, "Two");
}

TEST(ProfileSectionTest, NegativeSentCountReadsNoNames)
{
    const CProfileStore store = Loaded("2\r\n" + BlockWithCount("One", "-1", {}) + Block("Two"));
    ASSERT_EQ(store.Profiles().size(), 2u);
    EXPECT_TRUE(store.Profiles()[0].sent.empty());
    EXPECT_EQ(store.Profiles()[1].name, "Two");
}

TEST(ProfileSectionTest, FileCutShortStillYieldsTheAnnouncedProfiles)
{
    const CProfileStore store = Loaded("2\r\n" + Block("Blog", {"Alpha"}));
    ASSERT_EQ(store.Profiles().size(), 2u);
    EXPECT_EQ(store.Profiles()[0].name, "Blog");
    EXPECT_EQ(store.Profiles()[0].sent, CSentSet{"Alpha"});
    EXPECT_TRUE(IsEmpty(store.Profiles()[1]));
}

TEST(ProfileSectionTest, BlockCutInsideItsFieldsEndsWithEmptyFields)
{
    const CProfileStore store = Loaded("3\r\nBlog\r\nhttp://blog.example");
    ASSERT_EQ(store.Profiles().size(), 3u);
    EXPECT_EQ(store.Profiles()[0].name, "Blog");
    EXPECT_EQ(store.Profiles()[0].url, "http://blog.example");
    EXPECT_TRUE(store.Profiles()[0].title.empty());
    EXPECT_TRUE(store.Profiles()[0].sent.empty());
    EXPECT_TRUE(IsEmpty(store.Profiles()[1]));
    EXPECT_TRUE(IsEmpty(store.Profiles()[2]));
}

TEST(ProfileSectionTest, CorruptCountIsBoundedByWhatTheFileHolds)
{
    for (const char* count : {"2147483647", "99999999999999999999999999"}) {
        SCOPED_TRACE(count);
        const CProfileStore store = Loaded(std::string(count) + "\r\n" + Block("Blog"));
        ASSERT_GE(store.Profiles().size(), 2u) << "a cut file keeps its empty profiles";
        EXPECT_LE(store.Profiles().size(), 1001u);
        EXPECT_EQ(store.Profiles()[0].name, "Blog");
    }
}

TEST(ProfileSectionTest, CorruptSentCountReadsOnlyWhatFollows)
{
    const CProfileStore store =
        Loaded("1\r\n" + BlockWithCount("Blog", "4294967296", {"Zeta", "Alpha"}));
    ASSERT_EQ(store.Profiles().size(), 1u);
    EXPECT_EQ(store.Profiles()[0].sent, (CSentSet{"", "Alpha", "Zeta"}))
        << "names past the end read as the empty name";
}

TEST(ProfileSectionTest, DuplicateSentNamesAreHeldOnceAndWrittenSorted)
{
    const CProfileStore store = Loaded("1\r\n" + Block("Blog", {"beta", "Alpha", "beta"}));
    EXPECT_EQ(store.Profiles()[0].sent, (CSentSet{"Alpha", "beta"}));
    EXPECT_EQ(Saved(store), "1\r\n" + Block("Blog", {"Alpha", "beta"}));
}

TEST(ProfileSectionTest, DuplicateProfileNamesAreAllKept)
{
    const std::string section = "2\r\n" + Block("Blog", {"A"}) + Block("Blog", {"B"});
    const CProfileStore store = Loaded(section);
    ASSERT_EQ(store.Profiles().size(), 2u);
    EXPECT_TRUE(store.IsSent("Blog", "B"));
    EXPECT_EQ(Saved(store), section);
}

TEST(ProfileSectionTest, LineFeedsAloneAndAMissingLastBreakReadLikeCrLf)
{
    const std::string crlf = "2\r\n" + Block("One", {"Alpha", "beta"}) + Block("Two", {"x"});
    std::string lf;
    for (char c : crlf)
        if (c != '\r')
            lf += c;
    lf.pop_back();

    EXPECT_EQ(Saved(Loaded(lf)), crlf);
    std::string crlfWithoutLastBreak = crlf.substr(0, crlf.size() - 2);
    EXPECT_EQ(Saved(Loaded(crlfWithoutLastBreak)), crlf);
}

TEST(ProfileSectionTest, ValuesKeepTheirSpacesAndInnerCarriageReturns)
{
    ProfileRecord profile;
    profile.name = "  Blog ";
    profile.desc = " two  spaces\tand a tab ";
    profile.title = "ends in CR\r";
    profile.sent = {" padded dir ", "a\rb"};
    CProfileStore store;
    store.AddProfile(profile);

    const CProfileStore reloaded = Loaded(Saved(store));
    ASSERT_EQ(reloaded.Profiles().size(), 1u);
    EXPECT_EQ(reloaded.Profiles()[0].name, "  Blog ");
    EXPECT_EQ(reloaded.Profiles()[0].desc, " two  spaces\tand a tab ");
    EXPECT_EQ(reloaded.Profiles()[0].title, "ends in CR\r");
    EXPECT_EQ(reloaded.Profiles()[0].sent, (CSentSet{" padded dir ", "a\rb"}));
}

TEST(ProfileSectionTest, LineFeedInsideAValueCannotShiftTheProfilesAfterIt)
{
    CProfileStore store;
    ProfileRecord first;
    first.name = "First";
    first.desc = "two\nlines";
    first.sent = {"Dir\nwith a line feed"};
    store.AddProfile(first);
    ProfileRecord second;
    second.name = "Second";
    second.url = "http://second";
    store.AddProfile(second);

    const CProfileStore reloaded = Loaded(Saved(store));
    ASSERT_EQ(reloaded.Profiles().size(), 2u);
    EXPECT_EQ(reloaded.Profiles()[0].desc, "two lines");
    EXPECT_EQ(reloaded.Profiles()[0].sent, CSentSet{"Dir with a line feed"});
    EXPECT_EQ(reloaded.Profiles()[1].name, "Second");
    EXPECT_EQ(reloaded.Profiles()[1].url, "http://second");
}

TEST(ProfileSectionTest, LoadingReplacesTheStore)
{
    CProfileStore store;
    store.AddProfile(ProfileRecord{"Old", {}, {}, {}, {}, {}, {}, {}, {}, {}, {}});
    std::istringstream in("1\r\n" + Block("New"));
    ASSERT_TRUE(store.LoadProfiles(in));
    ASSERT_EQ(store.Profiles().size(), 1u);
    EXPECT_EQ(store.Profiles()[0].name, "New");
}

TEST(ProfileSectionTest, LinesAcrossReadChunksAndLongerThanOneAreWhole)
{
    ProfileRecord longOne;
    longOne.name = "Long";
    longOne.desc = std::string(300 * 1024, 'd');
    longOne.sent = {std::string(70 * 1024, 's'), "short"};
    CProfileStore store;
    store.AddProfile(longOne);
    for (int profile = 0; profile < 3000; ++profile)
        store.AddProfile(ProfileRecord{"Profile " + std::to_string(profile),
                                       "http://example.org",
                                       {},
                                       {},
                                       {},
                                       {},
                                       {},
                                       {},
                                       {},
                                       {},
                                       {"Dir"}});
    const std::string section = Saved(store);
    ASSERT_GT(section.size(), 4u * 64 * 1024);

    const CProfileStore reloaded = Loaded(section);
    ASSERT_EQ(reloaded.Profiles().size(), 3001u);
    EXPECT_EQ(reloaded.Profiles()[0].desc, longOne.desc);
    EXPECT_EQ(Saved(reloaded), section);
}

TEST(ProfileSectionTest, StreamThatFailedLeavesTheStoreAlone)
{
    CProfileStore store;
    store.AddProfile(ProfileRecord{"Kept", {}, {}, {}, {}, {}, {}, {}, {}, {}, {}});
    std::istringstream in("1\r\n" + Block("New"));
    in.setstate(std::ios::failbit);

    EXPECT_FALSE(store.LoadProfiles(in));
    ASSERT_EQ(store.Profiles().size(), 1u);
    EXPECT_EQ(store.Profiles()[0].name, "Kept");
}

TEST(ProfileSectionTest, SaveReportsAStreamThatFails)
{
    CProfileStore store;
    store.AddProfile(ProfileRecord());
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_FALSE(store.SaveProfiles(out));
}
