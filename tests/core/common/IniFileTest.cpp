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

} // namespace
