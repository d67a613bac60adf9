#include "common/TextCatalogue.h"

#include <gtest/gtest.h>

namespace {

struct FillInCase
{
    const char* pattern;
    const char* first;
    const char* second;
    const char* expected;
};

class FillInTest : public testing::TestWithParam<FillInCase>
{
};

// A catalogue that answers with what it was asked, so that a test sees it was consulted with
// the context, the text and the count.
std::string Echo(const char* context, const char* text, int count)
{
    return std::string(context) + "|" + text + "|" + std::to_string(count);
}

} // namespace

TEST_P(FillInTest, PutsEachValueInItsPlaceOnce)
{
    const FillInCase& row = GetParam();
    EXPECT_EQ(FillIn(row.pattern, {row.first, row.second}), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FillInTest,
    testing::Values(FillInCase{"Filled %1 of %2 fields", "3", "5", "Filled 3 of 5 fields"},
                    // A translation may put the values in another order, or one twice.
                    FillInCase{"%2 : %1", "a", "b", "b : a"},
                    FillInCase{"%1 and %1", "x", "y", "x and x"},
                    // A value that looks like a placeholder (a name from a page) stays as it is.
                    FillInCase{"The page of %1 did not load (%2)", "%2", "404",
                               "The page of %2 did not load (404)"},
                    // Placeholders without a value, %n and a lone % are left alone.
                    FillInCase{"%1 %3 %n 100%", "one", "two", "one %3 %n 100%"},
                    FillInCase{"%", "", "", "%"}));

TEST(TranslatedText, EnglishUntilACatalogueIsInstalled)
{
    EXPECT_EQ(KESTRINE_TEXT("Context", "Plain"), "Plain");
    EXPECT_EQ(TranslatedText(KESTRINE_COUNT_TEXT("Context", "%n of %n items"), 12),
              "12 of 12 items");

    InstallTextTranslator(&Echo);
    const std::string plain = KESTRINE_TEXT("Context", "Plain");
    const std::string counted = TranslatedText(KESTRINE_COUNT_TEXT("Other", "%n items"), 2);
    InstallTextTranslator(nullptr);
    EXPECT_EQ(plain, "Context|Plain|-1");
    EXPECT_EQ(counted, "Other|%n items|2");
    EXPECT_EQ(KESTRINE_TEXT("Context", "Plain"), "Plain");
}
