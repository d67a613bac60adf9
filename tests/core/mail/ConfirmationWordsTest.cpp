// The confirmation words compiled in from their files, and how a text is matched against them.
#include "mail/ConfirmationWords.h"

#include <gmock/gmock.h>

namespace {

TEST(ConfirmationWordsTest, EveryFileNamesItsLanguagesAndHasWords)
{
    for (const ConfirmationWordText& file : ConfirmationWordTexts()) {
        SCOPED_TRACE(std::string(file.name));
        const CConfirmationWords words(std::span(&file, 1));
        EXPECT_FALSE(words.Languages().empty());
        EXPECT_GE(words.Words().size(), 4u);
    }
}

TEST(ConfirmationWordsTest, FindsTheWordsInAnyCaseAndInsideLongerWords)
{
    const struct
    {
        const char* text;
        bool asks;
    } cases[] = {
        {"Please CONFIRM your e-mail address", true},
        {"Verification required", true},
        {"Anmeldebestätigung für Ihren Feed", true},
        {"BITTE BESTÄTIGEN SIE", true},
        {"Cliquez pour confirmer l'inscription", true},
        {"Confirme su envío", true},
        {"Conferma il tuo feed", true},
        {"Bevestig uw aanmelding", true},
        {"POTWIERDŹ zgłoszenie", true},
        {"Подтвердите адрес", true},
        {"Our weekly news: ten new feeds", false},
        {"Bestatigen ohne Umlaut ist ein anderes Wort", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CConfirmationWords::BuiltIn().AsksToConfirm(c.text), c.asks);
    }
}

} // namespace
