#include "page_filling/BackgroundSendWatch.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kAhead = CBackgroundSendWatch::kRequestAheadMilliseconds;
constexpr uint32_t kAfter = CBackgroundSendWatch::kRequestAfterMilliseconds;

TEST(BackgroundSendWatch, ARequestCloseToACancelledSubmitMakesASubmission)
{
    // The submit handler's own request reaches the program ahead of the scripts' notice.
    CBackgroundSendWatch ahead;
    EXPECT_FALSE(ahead.OnRequest(1000));
    EXPECT_TRUE(ahead.OnCancelledSubmit(1000 + kAhead));

    CBackgroundSendWatch after;
    EXPECT_FALSE(after.OnCancelledSubmit(UINT32_MAX - 10)); // the clock wraps in between
    EXPECT_TRUE(after.OnRequest(kAfter - 11));
    // The pair is used up: another request alone is nothing.
    EXPECT_FALSE(after.OnRequest(kAfter));
}

TEST(BackgroundSendWatch, ACancelledSubmitWithoutARequestNearbyIsNoSubmission)
{
    CBackgroundSendWatch late;
    EXPECT_FALSE(late.OnCancelledSubmit(1000));
    EXPECT_FALSE(late.OnRequest(1000 + kAfter + 1));

    CBackgroundSendWatch early;
    EXPECT_FALSE(early.OnRequest(1000));
    EXPECT_FALSE(early.OnCancelledSubmit(1000 + kAhead + 1));

    // The page moved on to another document between the two.
    CBackgroundSendWatch left;
    EXPECT_FALSE(left.OnCancelledSubmit(1000));
    left.Reset();
    EXPECT_FALSE(left.OnRequest(1001));
}

} // namespace
