#include "common/IniFile.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct ReadCase
{
    const char* file;
    std::optional<std::string> value; // of "up" in [update]
};

// What QSettings reads from the same lines, as a file written by hand or by the earlier
// version holds them.
TEST(IniFile, ReadsAValueAsQSettingsDoes)
{
    const ReadCase cases[] = {
        {"[update]\nup=x#y\n", "x#y"},
        {"[update]\nup = x ; note\n", "x"},
        {"[update]\nup=\"x;y\" ; note\n", "x;y"},
        {"[update]\nup=  spaced  \n", "spaced"},
        {"[update]\nup=a\\\"b\\\\c\n", "a\"b\\c"},
        {"[update]\nup=\n", ""},
        {"[update]\nup=1\nup=2\n", "2"},
        {"[update]\nup=1\n[tabs]\nup=5\n[update]\nother=3\n", "1"},
        {"[update]\n;up=1\n# up=2\n", std::nullopt},
        {"up=1\n[tabs]\nup=2\n", std::nullopt},
        {"\xEF\xBB\xBF[update]\r\nup=1", "1"},
        // As the user who wrote the line means it.
        {"[update]\nup=\"http://a/\"tail ; c\n", "http://a/tail"},
        {"[update]\nup=http://a/x;y#z ; note\n", "http://a/x;y#z"},
        {"[update]\nup=\"x\";note\n", "x"},
        {"[update]\nup=;note\n", ""},
        {"[update]\nup=\"open ; to the end\n", "open ; to the end"},
        {"[update] ; see [notes]\nup=1\n", "1"},
        {"[update]\rup=1\r", "1"},
        {"[tabs]\r\rup=2\r[update]\r\nup=1\n", "1"},
    };
    for (const ReadCase& row : cases)
        EXPECT_EQ(CIniFile(row.file).Value("update", "up"), row.value) << row.file;
}

TEST(IniFile, AValueSetComesBackWholeAndLeavesTheCommentBesideIt)
{
    for (const std::string value : {"plain", "", "a;b", "a,b", "x=y", " lead", "trail ", "q\"b\\c",
                                    "two\nlines", "caf\xC3\xA9"}) {
        CIniFile file("[update]\nup=old ; note\n");
        file.SetValue("update", "up", value);
        const std::string bytes = file.Bytes();
        EXPECT_EQ(CIniFile(bytes).Value("update", "up"), value) << bytes;
        EXPECT_EQ(bytes.substr(bytes.size() - 8), " ; note\n") << bytes;
    }
}

struct RewriteCase
{
    const char* file;
    const char* value; // given to "up" in [update]
    const char* bytes; // the file afterwards
};

// The owned key's value is replaced whole, and nothing else of the user's text moves.
TEST(IniFile, ARewriteReplacesTheWholeValueAndNothingElse)
{
    const RewriteCase cases[] = {
        {"[update]\nup=\"http://a/\"tail ; c\n", "http://b/", "[update]\nup=http://b/ ; c\n"},
        {"[update]\nup=http://a/x;y#z ; note\n", "http://b/", "[update]\nup=http://b/ ; note\n"},
        {"[update] ; see [notes]\nup=1\n", "2", "[update] ; see [notes]\nup=2\n"},
        {"[update]\nup=\"x\";note\n", "y", "[update]\nup=y ;note\n"},
        {"[update]\rup=1\rother=x\r", "2", "[update]\rup=2\rother=x\r"},
        {"[update]\r[tabs]\rup=5\r", "2", "[update]\rup=2\r[tabs]\rup=5\r"},
    };
    for (const RewriteCase& row : cases) {
        CIniFile file(row.file);
        file.SetValue("update", "up", row.value);
        EXPECT_EQ(file.Bytes(), row.bytes) << row.file;
    }
}

} // namespace
