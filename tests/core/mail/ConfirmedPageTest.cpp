// What the page a confirmation link opened must show to count as confirmed.
#include "mail/ConfirmedPage.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfirmedPageTest, TheDirectorysTextOrWordsOfADoneConfirmationCount)
{
    const std::optional<std::string> thanks = "Thank you";
    const struct
    {
        const char* page;
        std::optional<std::string> confirmation;
        bool confirmed;
    } cases[] = {
        {"<p>Thank you for your feed</p>", thanks, true},
        {"<p>thank you for your feed</p>", thanks, false}, // the text's own letter case
        {"<p>Your address is CONFIRMED.</p>", std::nullopt, true},
        {"<h1>E-Mail-Adresse bestätigt</h1>", thanks, true},
        {"<p>Votre flux est confirmé</p>", std::nullopt, true},
        {"<p>Konto zostało aktywowane</p>", std::nullopt, true},
        {"<p>Please confirm your address</p>", thanks, false}, // still asking
        {"<p>Link expired</p>", std::string(), false},         // an empty text proves nothing
        {"<script>var confirmed = 1;</script><p>Link expired</p>", std::nullopt, false},
        {"<p>Link expired</p><!-- Thank you -->", thanks, true},
        {"", thanks, false},
        {"<p>Your address is unconfirmed</p>", std::nullopt, false},
        {"<p>Your feed has not been confirmed: the link expired</p>", std::nullopt, false},
        {"<p>This address wasn't verified</p>", std::nullopt, false},
        {"<p>Adresse nicht bestätigt</p>", std::nullopt, false},
        {"<p>Votre adresse n'est pas confirmée</p>", std::nullopt, false},
        {"<p>Not found. Elsewhere: your feed was confirmed</p>", std::nullopt, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(ShowsConfirmation(c.page, c.confirmation), c.confirmed);
    }
}

} // namespace
