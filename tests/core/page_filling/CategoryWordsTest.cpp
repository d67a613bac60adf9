// The category words files: each one compiled in reads without a fault, together they cover the
// eight interface languages and name no parent that is no topic; the reader finds the faults a
// contributor may make.
#include "page_filling/CategoryWords.h"

#include "page_filling/CategoryWordTexts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

TEST(CategoryWordsTest, FilesCompiledInReadWithoutFault)
{
    ASSERT_FALSE(CategoryWordTexts().empty());
    for (const FieldWordText& file : CategoryWordTexts())
        EXPECT_THAT(ParseCategoryWords(file.text).errors, IsEmpty()) << file.name;
    EXPECT_THAT(KnownCategoryWords().errors, IsEmpty());
}

TEST(CategoryWordsTest, CoverTheInterfaceLanguagesOnce)
{
    EXPECT_THAT(KnownCategoryWords().languages,
                UnorderedElementsAre("English", "German", "French", "Spanish", "Italian",
                                     "Portuguese", "Dutch", "Polish"));
}

struct FaultCase
{
    const char* label;
    const char* text;
    const char* error; // empty: the text reads without a fault
};

void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.label;
}

class CategoryWordsFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(CategoryWordsFaultTest, NamesTheFaultyLine)
{
    const FaultCase& c = GetParam();
    const CategoryWords words = ParseCategoryWords(c.text);
    if (*c.error == '\0')
        EXPECT_THAT(words.errors, IsEmpty());
    else
        EXPECT_THAT(words.errors, ElementsAre(HasSubstr(c.error)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CategoryWordsFaultTest,
    ::testing::Values(
        FaultCase{"well formed",
                  "# comment\nlanguages: German\n[catch-all]\nSonstiges\n"
                  "[topic running < sports, fitness]\n Laufen \r\n[topic sports]\nSport\n",
                  ""},
        FaultCase{"unknown section", "languages: German\n[topic sports]\nsport\n[topik x]\ny\n",
                  "line 4: unknown section \"topik x\""},
        FaultCase{"topic name in capitals",
                  "languages: German\n[topic sports]\nsport\n[topic Lauf]\n",
                  "line 4: a topic's name"},
        FaultCase{"topic its own parent",
                  "languages: German\n[topic sports]\nsport\n[topic run < run]\nlaufen\n",
                  "line 4: \"run\" cannot be a parent"},
        FaultCase{"no parent after the sign",
                  "languages: German\n[topic sports]\nsport\n[topic run <]\nlaufen\n",
                  "line 4: no parent"},
        FaultCase{"phrase twice but for accents and case",
                  "languages: French\n[topic sports]\nÉté\nete\n",
                  "line 4: \"ete\" is listed twice"},
        FaultCase{"phrase before any section", "languages: German\nsport\n[topic sports]\nsport\n",
                  "line 2: \"sport\" stands before"},
        FaultCase{"phrase of no word", "languages: German\n[topic sports]\nsport\n--\n",
                  "line 4: \"--\" holds no word"},
        FaultCase{"languages after a section",
                  "languages: German\n[topic sports]\nsport\nlanguages: Dutch\n",
                  "line 4: the languages come before"},
        FaultCase{"no topics", "languages: German\n[catch-all]\nandere\n", "no topics"},
        FaultCase{"no languages", "[topic sports]\nsport\n", "no \"languages:\" line"}));

} // namespace
