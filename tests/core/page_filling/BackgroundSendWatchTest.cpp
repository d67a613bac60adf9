#include "page_filling/BackgroundSendWatch.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr uint32_t kAhead = CBackgroundSendWatch::kRequestAheadMilliseconds;
constexpr uint32_t kAfter = CBackgroundSendWatch::kRequestAfterMilliseconds;
const std::string kSite = "http://directory.test:8080";

PageRequest Post(const std::string& address, const std::string& site = kSite)
{
    return {site, "POST", address, false};
}

TEST(BackgroundSendWatch, ARequestCloseToACancelledSubmitMakesASubmission)
{
    // The submit handler's own request reaches the program ahead of the scripts' notice.
    CBackgroundSendWatch ahead;
    EXPECT_FALSE(ahead.OnRequest(Post("/api/submit"), kSite, 1000));
    EXPECT_TRUE(ahead.OnCancelledSubmit(1000 + kAhead));

    CBackgroundSendWatch after;
    EXPECT_FALSE(after.OnCancelledSubmit(UINT32_MAX - 10)); // the clock wraps in between
    EXPECT_TRUE(after.OnRequest(Post("/api/submit"), kSite, kAfter - 11));
    // The pair is used up: another request alone is nothing.
    EXPECT_FALSE(after.OnRequest(Post("/api/other"), kSite, kAfter));
}

TEST(BackgroundSendWatch, ACancelledSubmitWithoutARequestOfTheFormsDocumentIsNoSubmission)
{
    const struct
    {
        const char* why;
        std::vector<PageRequest> before; // heard before the submission, long before
        PageRequest request;             // heard right after the cancelled submit
        uint32_t delay;
    } cases[] = {
        {"too late", {}, Post("/api/submit"), kAfter + 1},
        {"another site's frame", {}, Post("/api/submit", "http://chat.test:8080"), 10},
        {"a beacon", {}, {kSite, "POST", "/analytics", true}, 10},
        {"a poll", {Post("/api/poll")}, Post("/api/poll"), 10},
        {"a poll by GET", {{kSite, "GET", "/status", false}}, {kSite, "GET", "/status", false}, 10},
    };
    for (const auto& c : cases) {
        CBackgroundSendWatch watch;
        for (const PageRequest& earlier : c.before)
            EXPECT_FALSE(watch.OnRequest(earlier, kSite, 100)) << c.why;
        EXPECT_FALSE(watch.OnCancelledSubmit(1000)) << c.why;
        EXPECT_FALSE(watch.OnRequest(c.request, kSite, 1000 + c.delay)) << c.why;
    }

    // A poll's first request comes as a new one; its second shows what it is.
    CBackgroundSendWatch poll;
    EXPECT_FALSE(poll.OnRequest(Post("/api/poll"), kSite, 1000));
    EXPECT_FALSE(poll.OnRequest(Post("/api/poll"), kSite, 1200));
    EXPECT_FALSE(poll.OnCancelledSubmit(1250));

    CBackgroundSendWatch early;
    EXPECT_FALSE(early.OnRequest(Post("/api/submit"), kSite, 1000));
    EXPECT_FALSE(early.OnCancelledSubmit(1000 + kAhead + 1));

    // The page moved on to another document between the two; the new one's requests are new.
    CBackgroundSendWatch left;
    EXPECT_FALSE(left.OnRequest(Post("/api/submit"), kSite, 100));
    EXPECT_FALSE(left.OnCancelledSubmit(1000));
    left.Reset();
    EXPECT_FALSE(left.OnRequest(Post("/api/submit"), kSite, 1001));
    EXPECT_TRUE(left.OnCancelledSubmit(1002));
}

} // namespace
