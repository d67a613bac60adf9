// Only a web page is ever opened for a directory: an address of another kind is refused when a
// list is imported and when the directory is picked, whichever file it came from.
#include "DatabaseFixture.h"
#include "directory_db/DirectoryImport.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

struct AddressRow
{
    const char* label;
    const char* address; // as the file holds it, escaped for XML
    const char* opened;  // what a pick opens; nullptr: refused
};

void PrintTo(const AddressRow& row, std::ostream* out)
{
    *out << row.label;
}

class SubmitAddressTest : public DatabaseFixture, public ::testing::WithParamInterface<AddressRow>
{
protected:
    std::string Directory() const
    {
        return std::string(R"(<directory name="D" submiturl=")") + GetParam().address +
               R"(" onsubmit="ok"><item name="url" value="#url#"/></directory>)";
    }
};

TEST_P(SubmitAddressTest, IsImportedAndOpenedOnlyWhenItIsAWebPage)
{
    const AddressRow& row = GetParam();
    const std::string list = WriteFile("list.xml", "<r>" + Directory() + "</r>");
    ASSERT_TRUE(LoadDirectories(""));
    const DirectoryImport import = ReadDirectoryImport(list, m_database, false);
    ASSERT_EQ(import.candidates.size(), 1u);
    EXPECT_EQ(import.candidates[0].action, row.opened ? ImportAction::Add : ImportAction::Refuse);
    if (!row.opened)
        EXPECT_THAT(import.candidates[0].problem, HasSubstr("address"));

    // The same directory in the database or the user's own file, picked.
    for (const char* file : {"dirdata.xml", "mydirs.xml"}) {
        SCOPED_TRACE(file);
        m_presenter.messages.clear();
        const std::string directories = "<r>" + Directory() + "</r>";
        const bool vendor = std::string(file) == "dirdata.xml";
        WriteFile("dirdata.xml", vendor ? directories : "<r/>");
        WriteFile("mydirs.xml", vendor ? "<r/>" : directories);
        m_database.LoadFile(PathOf("dirdata.xml"), PathOf("mydirs.xml"));
        EXPECT_EQ(m_database.QuietSubmitPage("D", "", "").value_or("(none)"),
                  row.opened ? row.opened : "(none)");
        EXPECT_EQ(m_database.GetDirectorySubmitPage("D", "", ""), row.opened ? row.opened : "");
        if (row.opened) {
            EXPECT_THAT(m_presenter.messages, IsEmpty());
        } else {
            ASSERT_THAT(m_presenter.messages, ElementsAre(::testing::Field(
                                                  &Message::text, HasSubstr("not a web address"))));
            EXPECT_EQ(m_presenter.messages[0].caption, "Error");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SubmitAddressTest,
    ::testing::Values(
        AddressRow{"http", "http://127.0.0.1:9/add?a=1&amp;b=2", "http://127.0.0.1:9/add?a=1&b=2"},
        AddressRow{"https", "https://example.org/submit", "https://example.org/submit"},
        AddressRow{"upper_case_scheme", "HTTP://EXAMPLE.ORG/ADD", "HTTP://EXAMPLE.ORG/ADD"},
        AddressRow{"user_and_port", "https://me@example.org:8443", "https://me@example.org:8443"},
        AddressRow{"ipv6", "http://[::1]:9/add", "http://[::1]:9/add"},
        AddressRow{"file", "file:///home/user/notes.html", nullptr},
        AddressRow{"data", "data:text/html,&lt;form action=http://x/&gt;&lt;input name=url&gt;",
                   nullptr},
        AddressRow{"program_page", "res:///home_link.html", nullptr},
        AddressRow{"ftp", "ftp://example.org/add", nullptr},
        AddressRow{"javascript", "javascript:void(0)", nullptr},
        AddressRow{"javascript_upper_case", "JAVASCRIPT:alert(1)", nullptr},
        AddressRow{"relative", "/add.php", nullptr},
        AddressRow{"no_scheme", "example.org/add", nullptr},
        AddressRow{"without_slashes", "http:example.org", nullptr},
        AddressRow{"no_host", "http:///add", nullptr},
        AddressRow{"only_a_port", "https://:443/", nullptr},
        AddressRow{"leading_space", " http://example.org/", nullptr},
        AddressRow{"empty", "", nullptr}),
    [](const ::testing::TestParamInfo<AddressRow>& info) { return info.param.label; });

using SubmitAddressWithVariables = DatabaseFixture;

// A variable may not turn an address into another kind: the address is judged as it opens.
TEST_F(SubmitAddressWithVariables, IsJudgedAsItOpens)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="D" submiturl="SCHEME://example.org/add">)"
                                R"(<variable name="SCHEME"><cond category="Arts" value="https"/>)"
                                R"(<cond category="News" value="file"/></variable></directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("D", "Arts", ""), "https://example.org/add");
    EXPECT_EQ(m_database.GetDirectorySubmitPage("D", "News", ""), "");
    EXPECT_EQ(m_database.QuietSubmitPage("D", "News", ""), std::nullopt);
}

} // namespace
