#include "common/ReplaceAll.h"

#include <gtest/gtest.h>

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRightWithoutOverlap)
{
    std::string text = "aaaaa";
    ReplaceAll(text, "aa", "b");
    EXPECT_EQ(text, "bba");
}

TEST(ReplaceAll, InsertedTextIsNotSearchedAgain)
{
    std::string text = "x-CAT-CAT";
    ReplaceAll(text, "CAT", "CATCAT");
    EXPECT_EQ(text, "x-CATCAT-CATCAT");
}

TEST(ReplaceAll, ExactAndCaseSensitive)
{
    std::string text = "CatID cat CAT";
    ReplaceAll(text, "CAT", "7");
    EXPECT_EQ(text, "CatID cat 7");
}

TEST(ReplaceAll, EmptyPatternOrNoMatchLeavesTextAlone)
{
    std::string text = "unchanged";
    ReplaceAll(text, "", "x");
    ReplaceAll(text, "zzz", "x");
    EXPECT_EQ(text, "unchanged");
}

TEST(ReplaceAll, ReplacementMayBeEmptyOrLonger)
{
    std::string text = "#a##a#";
    ReplaceAll(text, "#a#", "");
    EXPECT_EQ(text, "");
    text = "1#a#2";
    ReplaceAll(text, "#a#", "long value");
    EXPECT_EQ(text, "1long value2");
}
