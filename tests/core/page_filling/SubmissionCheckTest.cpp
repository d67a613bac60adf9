#include "page_filling/SubmissionCheck.h"

#include <gtest/gtest.h>

TEST(SubmissionCheckTiming, DueOnlyOnceMoreThanThreeSecondsHavePassed)
{
    EXPECT_FALSE(IsSubmissionCheckDue(1000, 1000));
    EXPECT_FALSE(IsSubmissionCheckDue(1000, 4000));
    EXPECT_TRUE(IsSubmissionCheckDue(1000, 4001));
    EXPECT_TRUE(IsSubmissionCheckDue(1000, 900000));
}

TEST(SubmissionCheckTiming, WrapAroundOfTheClockDoesNotDelayTheCheck)
{
    const uint32_t justBeforeWrap = 0xFFFFFF00u; // 256 ms before the count wraps to 0
    EXPECT_FALSE(IsSubmissionCheckDue(justBeforeWrap, 2744));
    EXPECT_TRUE(IsSubmissionCheckDue(justBeforeWrap, 2745));
    EXPECT_TRUE(IsSubmissionCheckDue(justBeforeWrap, 10000));
}

TEST(SubmissionConfirmation, ExactCaseSensitiveSubstring)
{
    const std::string page = "<html><body><p>Thank you for your submission!</p></body></html>";
    EXPECT_TRUE(IsSubmissionConfirmed(page, std::string("Thank you for your submission")));
    EXPECT_FALSE(IsSubmissionConfirmed(page, std::string("thank you for your submission")));
    EXPECT_FALSE(IsSubmissionConfirmed(page, std::string("Thanks")));
}

TEST(SubmissionConfirmation, MissingTextNeverConfirmsButEmptyTextAlwaysDoes)
{
    EXPECT_FALSE(IsSubmissionConfirmed("anything", std::nullopt));
    EXPECT_TRUE(IsSubmissionConfirmed("anything", std::string()));
    EXPECT_TRUE(IsSubmissionConfirmed("", std::string()));
}

TEST(SubmissionConfirmation, PageEndsAtItsFirstZeroByte)
{
    const std::string page("before\0Thank you", 16);
    EXPECT_FALSE(IsSubmissionConfirmed(page, std::string("Thank you")));
    EXPECT_TRUE(IsSubmissionConfirmed(page, std::string("before")));
}
