// Which mail confirms which submission, and with which link: only a link to the directory's own
// site, only after the submission, only when the mail asks to confirm.
#include "mail/ConfirmationFinder.h"

#include <gmock/gmock.h>
#include <string>
#include <vector>

namespace {

constexpr int64_t kSubmitted = 1796716800000; // 2026-12-08 08:00 UTC
constexpr int64_t kMinute = 60 * 1000;

struct Expected
{
    std::string directory;
    std::string profile;
    std::string link;
};

struct FindCase
{
    const char* name;
    std::string text;
    std::vector<std::string> links;
    int64_t received = kSubmitted + kMinute;
    std::vector<Expected> expected;
    std::string to = "kim@home.example";
};

const std::vector<Submission>& Submissions()
{
    static const std::vector<Submission> submissions{
        {"Alpha Directory", "Blog", "https://www.alpha.example/submit.php?cat=1", kSubmitted,
         "kim@home.example"},
        {"Alpha Directory", "Shop", "https://www.alpha.example/submit.php?cat=2",
         kSubmitted - 5 * kMinute, "orders@shop.example"},
        {"Beta Feeds", "Blog", "http://beta.example:8080/add", kSubmitted, "kim@home.example"},
        {"Gamma Pages", "Blog", "https://gamma.github.io/add", kSubmitted, "kim@home.example"},
        {"Local", "Blog", "http://127.0.0.1:8431/add", kSubmitted, "kim@home.example"},
    };
    return submissions;
}

std::vector<FindCase> Cases()
{
    const std::string confirm = "Please confirm your submission to Alpha Directory.";
    return {
        {"a link to another host of the directory's registrable domain",
         confirm,
         {"https://mail.alpha.example/confirm?id=7"},
         kSubmitted + kMinute,
         {{"Alpha Directory", "Blog", "https://mail.alpha.example/confirm?id=7"}}},
        {"of two links to the site, the one that confirms",
         confirm,
         {"https://www.alpha.example/about", "https://www.alpha.example/activate?id=7"},
         kSubmitted + kMinute,
         {{"Alpha Directory", "Blog", "https://www.alpha.example/activate?id=7"}}},
        {"a look-alike that names the directory but links elsewhere",
         confirm,
         {"https://alpha-directory.example/confirm?id=7", "https://alpha.example.evil.example/c"}},
        {"a user name that looks like the site in front of another host",
         confirm,
         {"https://www.alpha.example@evil.example/confirm"}},
        {"javascript: and data: links are never offered",
         confirm,
         {"javascript:location='https://www.alpha.example/confirm'",
          "data:text/html,<a href=https://www.alpha.example/>", "https://www.alpha.example/ok"},
         kSubmitted + kMinute,
         {{"Alpha Directory", "Blog", "https://www.alpha.example/ok"}}},
        {"another site's newsletter",
         "Our weekly news: ten new feeds.",
         {"https://news.example/read"}},
        {"the directory's own newsletter asks nothing",
         "Our weekly news: ten new feeds.",
         {"https://www.alpha.example/news"}},
        {"a mail older than the submission",
         confirm,
         {"https://www.alpha.example/confirm"},
         kSubmitted - kMinute,
         // Only the submission made before the mail can be confirmed by it.
         {{"Alpha Directory", "Shop", "https://www.alpha.example/confirm"}}},
        {"a mail older than every submission",
         confirm,
         {"https://www.alpha.example/confirm"},
         kSubmitted - 10 * kMinute},
        {"the profile the mail went to, not the latest",
         confirm,
         {"https://www.alpha.example/confirm"},
         kSubmitted + kMinute,
         {{"Alpha Directory", "Shop", "https://www.alpha.example/confirm"}},
         "Shop <ORDERS@shop.example>"},
        {"a port of its own is still the directory's host",
         "Bevestig uw aanmelding",
         {"http://beta.example/confirm"},
         kSubmitted + kMinute,
         {{"Beta Feeds", "Blog", "http://beta.example/confirm"}}},
        {"two sites under one public suffix stay two",
         "Confirm here",
         {"https://evil.github.io/confirm"}},
        {"a numeric host belongs to itself alone",
         "Confirm here",
         {"http://127.0.0.2/confirm", "http://127.0.0.1:9/confirm"},
         kSubmitted + kMinute,
         {{"Local", "Blog", "http://127.0.0.1:9/confirm"}}},
    };
}

TEST(ConfirmationFinderTest, OffersOnlyLinksToTheDirectorysSiteAfterItsSubmission)
{
    for (const FindCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        MailMessage mail;
        mail.readable = true;
        mail.from = "Robot <robot@sender.example>";
        mail.to = c.to;
        mail.text = c.text;
        mail.links = c.links;
        std::vector<Expected> found;
        for (const ConfirmationMail& confirmation :
             FindConfirmations(mail, c.received, Submissions(), CConfirmationWords::BuiltIn())) {
            EXPECT_EQ(confirmation.from, mail.from);
            EXPECT_EQ(confirmation.receivedUtcMs, c.received);
            found.push_back({confirmation.directory, confirmation.profile, confirmation.link});
        }
        ASSERT_EQ(found.size(), c.expected.size());
        for (size_t index = 0; index < found.size(); ++index) {
            EXPECT_EQ(found[index].directory, c.expected[index].directory);
            EXPECT_EQ(found[index].profile, c.expected[index].profile);
            EXPECT_EQ(found[index].link, c.expected[index].link);
        }
    }
}

} // namespace
