#include "profiles/SentSet.h"

#include "profiles/StateLineWriter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

Names Listed(const CSentSet& sent)
{
    return Names(sent.begin(), sent.end());
}

TEST(SentSetTest, ListsByUnsignedBytesWithAProperPrefixFirst)
{
    const CSentSet sent{"beta", "alpha", "a", "Feeds", "Feed", "B", "Alpha", "\xC3\xA9t\xC3\xA9"};
    EXPECT_EQ(Listed(sent),
              (Names{"Alpha", "B", "Feed", "Feeds", "a", "alpha", "beta", "\xC3\xA9t\xC3\xA9"}));
}

TEST(SentSetTest, InsertHoldsEachNameOnce)
{
    CSentSet sent;
    EXPECT_TRUE(sent.insert("beta"));
    EXPECT_TRUE(sent.insert("Alpha"));
    EXPECT_FALSE(sent.insert("beta"));
    EXPECT_TRUE(sent.insert(""));
    EXPECT_FALSE(sent.insert(""));
    EXPECT_EQ(Listed(sent), (Names{"", "Alpha", "beta"}));
}

TEST(SentSetTest, EraseTakesOutExactlyThatName)
{
    CSentSet sent{"", "Feed", "Feeds", "feed"};
    EXPECT_TRUE(sent.erase("Feed"));
    EXPECT_FALSE(sent.erase("Feed"));
    EXPECT_FALSE(sent.erase("Fee"));
    EXPECT_TRUE(sent.erase(""));
    EXPECT_EQ(Listed(sent), (Names{"Feeds", "feed"}));
    EXPECT_TRUE(sent.insert("Feed"));
    EXPECT_EQ(Listed(sent), (Names{"Feed", "Feeds", "feed"}));
}

TEST(SentSetTest, TheLiteralDropsDuplicates)
{
    const CSentSet sent{"beta", "Alpha", "beta"};
    EXPECT_EQ(sent.size(), 2u);
    EXPECT_EQ(Listed(sent), (Names{"Alpha", "beta"}));
}

TEST(SentSetTest, NamesInAnyOrderComeOutSortedAndOnce)
{
    const CSentSet sent(
        std::vector<std::string>{"B", "Feed", "Feed", "Alpha", "beta", "Feeds", "B", "a", "alpha"});
    EXPECT_EQ(Listed(sent), (Names{"Alpha", "B", "Feed", "Feeds", "a", "alpha", "beta"}));
    EXPECT_EQ(sent, (CSentSet{"alpha", "a", "Feeds", "Feed", "B", "Alpha", "beta"}));
    EXPECT_EQ(Listed(CSentSet(std::vector<std::string>{"a", "a", "b"})), (Names{"a", "b"}));
}

TEST(SentSetTest, ContainsOnlyWhatWasPutIn)
{
    const CSentSet sent{"Alpha", "Feeds"};
    EXPECT_TRUE(sent.contains("Alpha"));
    EXPECT_TRUE(sent.contains("Feeds"));
    EXPECT_FALSE(sent.contains("alpha")) << "names compare case-sensitively";
    EXPECT_FALSE(sent.contains("Feed")) << "a prefix is another name";
    EXPECT_FALSE(sent.contains(""));
    EXPECT_FALSE(CSentSet().contains("Alpha"));
}

TEST(SentSetTest, EqualityComparesTheNamesHeld)
{
    EXPECT_EQ(CSentSet({"a", "b"}), CSentSet({"b", "a", "a"}));
    EXPECT_NE(CSentSet({"a", "b"}), CSentSet({"a"}));
    EXPECT_NE(CSentSet({"a"}), CSentSet({"A"}));
    EXPECT_EQ(CSentSet(), CSentSet({}));
}

TEST(SentSetTest, ClearEmptiesTheSet)
{
    CSentSet sent{"Alpha"};
    EXPECT_FALSE(sent.empty());
    sent.clear();
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(sent.size(), 0u);
    EXPECT_FALSE(sent.contains("Alpha"));
}

struct StoredFormCase
{
    const char* label;
    std::string marked; // the name a directory was marked sent under
    std::string asked;  // the name it is asked about, unmarked or marked again under
};

void PrintTo(const StoredFormCase& row, std::ostream* out)
{
    *out << row.label;
}

class SentSetStoredFormTest : public ::testing::TestWithParam<StoredFormCase>
{
};

// sv.dat stores a line feed in a name as a space. The set holds names in that form, so a mark
// is the same mark to every caller, in either form, before the file is written and after.
TEST_P(SentSetStoredFormTest, ANameIsOneMarkInEitherForm)
{
    const StoredFormCase& row = GetParam();
    CSentSet marked;
    marked.insert(row.marked);
    CSentSet reloaded(Names{StoredLineValue(row.marked)});
    for (CSentSet* sent : {&marked, &reloaded}) {
        EXPECT_EQ(*sent, reloaded);
        EXPECT_TRUE(sent->contains(row.asked));
        EXPECT_FALSE(sent->insert(row.asked));
        EXPECT_TRUE(sent->erase(row.asked));
        EXPECT_TRUE(sent->empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    LineFeeds, SentSetStoredFormTest,
    ::testing::Values(StoredFormCase{"SameName", "Two\nlines", "Two\nlines"},
                      StoredFormCase{"AskedAsStored", "Two\nlines", "Two lines"},
                      StoredFormCase{"MarkedAsStored", "Two lines", "Two\nlines"},
                      StoredFormCase{"AtBothEnds", "\nboth\n", "\nboth\n"},
                      StoredFormCase{"CrLf", "a\r\nb", "a\r\nb"},
                      StoredFormCase{"Plain", "plain name", "plain name"}),
    [](const ::testing::TestParamInfo<StoredFormCase>& info) { return info.param.label; });

} // namespace
