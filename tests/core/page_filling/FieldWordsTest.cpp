// The field words files: each one compiled in reads without a fault and together they cover
// the languages the README promises; the reader finds the faults a translator may make.
#include "page_filling/FieldWords.h"

#include "page_filling/FieldWordTexts.h"
#include "page_filling/KnownFieldWords.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// Beside the type, for GoogleTest to find it.
void PrintTo(const FieldWordText& file, std::ostream* out)
{
    *out << file.name;
}

namespace {

class FieldWordFileTest : public ::testing::TestWithParam<FieldWordText>
{
};

TEST_P(FieldWordFileTest, ReadsWithoutFault)
{
    const FieldWords words = ParseFieldWords(GetParam().text);
    EXPECT_THAT(words.errors, IsEmpty());
    EXPECT_THAT(words.languages, Not(IsEmpty()));
}

INSTANTIATE_TEST_SUITE_P(CompiledIn, FieldWordFileTest,
                         ::testing::ValuesIn(FieldWordTexts().begin(), FieldWordTexts().end()),
                         [](const auto& info) {
                             std::string name(info.param.name.substr(0, info.param.name.find('.')));
                             std::erase(name, '-');
                             return name;
                         });

// The README's list of the languages whose captions are recognised ("captions in English, …
// and Korean)").
std::set<std::string> ReadmeLanguages()
{
    std::ifstream file(KESTRINE_README);
    std::stringstream text;
    text << file.rdbuf();
    std::smatch found;
    const std::string readme = std::regex_replace(text.str(), std::regex("\\s+"), " ");
    if (!std::regex_search(readme, found, std::regex("captions in ([^)]*)\\)")))
        return {};
    std::string list = std::regex_replace(found[1].str(), std::regex(" and "), ", ");
    std::set<std::string> languages;
    for (size_t comma; (comma = list.find(", ")) != std::string::npos; list.erase(0, comma + 2))
        languages.insert(list.substr(0, comma));
    languages.insert(list);
    return languages;
}

TEST(FieldWordsTest, CoverTheLanguagesTheReadmeNames)
{
    const std::vector<std::string>& known = KnownFieldWords().languages;
    const std::set<std::string> readme = ReadmeLanguages();
    ASSERT_THAT(readme, Not(IsEmpty())) << "the README lists no caption languages";
    EXPECT_EQ(std::set<std::string>(known.begin(), known.end()), readme);
    EXPECT_EQ(std::set<std::string>(known.begin(), known.end()).size(), known.size())
        << "a language in two files";
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

class FieldWordFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(FieldWordFaultTest, NamesTheFaultyLine)
{
    const FaultCase& c = GetParam();
    const FieldWords words = ParseFieldWords(c.text);
    if (*c.error == '\0')
        EXPECT_THAT(words.errors, IsEmpty());
    else
        EXPECT_THAT(words.errors, ElementsAre(HasSubstr(c.error)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldWordFaultTest,
    ::testing::Values(
        FaultCase{
            "well formed",
            "# comment\nlanguages: German, Dutch\n\n[title head 1.0]\nTitel\r\n  titel regel \n"
            "[none head 0.85]\ntitel\n[name-links]\nvon\n",
            ""},
        FaultCase{"unknown meaning",
                  "languages: German\n[title head 1.0]\ntitel\n[titel head 1.0]\nname\n",
                  "line 4: unknown meaning \"titel\""},
        FaultCase{"unknown role",
                  "languages: German\n[title head 1.0]\ntitel\n[title header 1.0]\nname\n",
                  "line 4: unknown role"},
        FaultCase{"strength above one",
                  "languages: German\n[title head 1.0]\ntitel\n[title head 1.5]\nname\n",
                  "line 4: the strength \"1.5\""},
        FaultCase{"strength no number",
                  "languages: German\n[title head 1.0]\ntitel\n[title head 1,0]\nname\n",
                  "line 4: the strength \"1,0\""},
        FaultCase{"heading of two parts",
                  "languages: German\n[title head 1.0]\ntitel\n[title head]\nname\n",
                  "line 4: a section is"},
        FaultCase{"unknown list", "languages: German\n[title head 1.0]\ntitel\n[links]\nvon\n",
                  "line 4: unknown list"},
        FaultCase{"word before any section", "languages: German\ntitel\n[title head 1.0]\nname\n",
                  "line 2: \"titel\" stands before"},
        FaultCase{"same words twice for a meaning",
                  "languages: German\n[title head 1.0]\nseitenname\n[title modifier 0.5]\n"
                  "Seiten-Name\nSeitenName\n",
                  "line 6: \"SeitenName\" is listed twice"},
        FaultCase{"same words but for accents",
                  "languages: Czech\n[tags head 1.0]\nštítky\nstitky\n",
                  "line 4: \"stitky\" is listed twice"},
        FaultCase{"list entry of two words",
                  "languages: German\n[title head 1.0]\ntitel\n[person-qualifiers]\nihr name\n",
                  "line 5: \"ihr name\" is not one word"},
        FaultCase{"list entry twice",
                  "languages: German\n[title head 1.0]\ntitel\n[key-suffixes]\nadresse\nAdresse\n",
                  "line 6: \"Adresse\" is listed twice"},
        FaultCase{"keyword of no word", "languages: German\n[title head 1.0]\ntitel\n- -\n",
                  "line 4: \"- -\" holds no word"},
        FaultCase{"languages after a section",
                  "languages: German\n[title head 1.0]\ntitel\nlanguages: Dutch\n",
                  "line 4: the languages come before"},
        FaultCase{"no keywords", "languages: German\n[name-links]\nvon\n", "no keywords"}));

} // namespace
