// Names that look the same to the user are one directory: a list cannot slip a second
// "Alpha" in beside the user's own, nor can the editor, and a name holding an invisible character is refused.
#include "DatabaseFixture.h"
#include "directory_db/DirectoryImport.h"
#include "directory_db/DirectoryName.h"
#include "directory_db/UserDirectoryFile.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

struct NameRow
{
    const char* label;
    const char* name;     // in the imported list, UTF-8
    bool sameAddress;     // the list says what the user's directory says
    ImportAction action;  // against the user's "Alpha", "Café", "Straße" and "İzmir"
    const char* listedAs; // the candidate's name: the user's own when it matches one
};

void PrintTo(const NameRow& row, std::ostream* out)
{
    *out << row.label;
}

std::string Directory(const std::string& name, const std::string& address)
{
    return "<directory name=\"" + name + "\" submiturl=\"" + address + "\"/>";
}

class LookAlikeNameTest : public DatabaseFixture, public ::testing::WithParamInterface<NameRow>
{
};

TEST_P(LookAlikeNameTest, MatchesTheUsersDirectoryOrIsRefused)
{
    const NameRow& row = GetParam();
    WriteFile("dirdata.xml", "<r/>");
    WriteFile("mydirs.xml", "<r>" + Directory("Alpha", "http://127.0.0.1:9/a") +
                                Directory("Caf\xc3\xa9", "http://127.0.0.1:9/c") +
                                Directory("Stra\xc3\x9f"
                                          "e",
                                          "http://127.0.0.1:9/s") +
                                Directory("\xc4\xb0zmir", "http://127.0.0.1:9/i") + "</r>");
    m_database.LoadFile(PathOf("dirdata.xml"), PathOf("mydirs.xml"));
    const std::string address = row.sameAddress ? "http://127.0.0.1:9/a" : "http://10.0.0.1/other";
    const std::string list = WriteFile("list.xml", "<r>" + Directory(row.name, address) + "</r>");

    const DirectoryImport import = ReadDirectoryImport(list, m_database, true);
    ASSERT_EQ(import.candidates.size(), 1u);
    const ImportCandidate& candidate = import.candidates[0];
    EXPECT_EQ(candidate.action, row.action);
    EXPECT_EQ(candidate.record.name, row.listedAs);

    // The editor refuses what the import refuses, with the same reason.
    const std::optional<std::string> problem = DirectoryNameProblem(row.name);
    if (row.action == ImportAction::Refuse) {
        EXPECT_THAT(candidate.problem, HasSubstr("invisible"));
        EXPECT_EQ(problem, candidate.problem);
    } else {
        EXPECT_EQ(problem, std::nullopt);
        // The editor saving under this name finds the directory the import matched, or none.
        const std::optional<std::string> alike = FindLookAlike(Names(), row.name);
        if (row.action == ImportAction::Add)
            EXPECT_EQ(alike, std::nullopt);
        else
            EXPECT_EQ(alike, std::optional<std::string>(row.listedAs));
    }

    CUserDirectoryFile file(PathOf("mydirs.xml"));
    ASSERT_TRUE(file.Load());
    ApplyDirectoryImport(import, file);
    CAtomicFileWriter writer;
    ASSERT_TRUE(file.Save(writer).ok);
    m_database.ReloadUserFile(PathOf("mydirs.xml"));
    const size_t added = row.action == ImportAction::Add ? 1 : 0;
    EXPECT_EQ(Names().size(), 4 + added);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LookAlikeNameTest,
    ::testing::Values(
        NameRow{"same_name_same_page", "Alpha", true, ImportAction::Leave, "Alpha"},
        NameRow{"upper_case", "ALPHA", false, ImportAction::Replace, "Alpha"},
        NameRow{"upper_case_same_page", "ALPHA", true, ImportAction::Leave, "Alpha"},
        NameRow{"trailing_space", "Alpha ", false, ImportAction::Replace, "Alpha"},
        NameRow{"no_break_space", "Alpha\xc2\xa0", false, ImportAction::Replace, "Alpha"},
        NameRow{"leading_no_break_space",
                "\xc2\xa0"
                "alpha",
                false, ImportAction::Replace, "Alpha"},
        NameRow{"zero_width_space", "Alpha\xe2\x80\x8b", false, ImportAction::Refuse,
                "Alpha\xe2\x80\x8b"},
        NameRow{"zero_width_joiner", "Al\xe2\x80\x8dpha", false, ImportAction::Refuse,
                "Al\xe2\x80\x8dpha"},
        NameRow{"zero_width_non_joiner", "Al\xe2\x80\x8cpha", false, ImportAction::Refuse,
                "Al\xe2\x80\x8cpha"},
        NameRow{"byte_order_mark",
                "\xef\xbb\xbf"
                "Alpha",
                false, ImportAction::Refuse,
                "\xef\xbb\xbf"
                "Alpha"},
        NameRow{"soft_hyphen", "Al\xc2\xadpha", false, ImportAction::Refuse, "Al\xc2\xadpha"},
        NameRow{"braille_blank", "Alpha\xe2\xa0\x80", false, ImportAction::Refuse,
                "Alpha\xe2\xa0\x80"},
        NameRow{"next_line_control", "Alpha\xc2\x85", false, ImportAction::Refuse, "Alpha\xc2\x85"},
        NameRow{"decomposed", "Cafe\xcc\x81", false, ImportAction::Replace, "Caf\xc3\xa9"},
        NameRow{"decomposed_upper_case", "CAFE\xcc\x81", false, ImportAction::Replace,
                "Caf\xc3\xa9"},
        NameRow{"full_case_folding", "STRASSE", false, ImportAction::Replace,
                "Stra\xc3\x9f"
                "e"},
        // Turkish pairs İ with i and I with ı: each spelling of one city is one directory.
        NameRow{"turkish_capitals", "\xc4\xb0ZM\xc4\xb0R", false, ImportAction::Replace,
                "\xc4\xb0zmir"},
        NameRow{"turkish_small_letters", "izmir", false, ImportAction::Replace, "\xc4\xb0zmir"},
        NameRow{"dotless_small_letters", "\xc4\xb1zm\xc4\xb1r", false, ImportAction::Replace,
                "\xc4\xb0zmir"},
        NameRow{"plain_capitals", "IZMIR", false, ImportAction::Replace, "\xc4\xb0zmir"},
        NameRow{"another_name", "Alphabet", false, ImportAction::Add, "Alphabet"},
        NameRow{"accent_is_not_case", "Cafe", false, ImportAction::Add, "Cafe"}),
    [](const ::testing::TestParamInfo<NameRow>& info) { return info.param.label; });

using LookAlikeNamesInOneList = DatabaseFixture;

TEST_F(LookAlikeNamesInOneList, AreOneDirectoryTheLaterRefused)
{
    ASSERT_TRUE(LoadDirectories(""));
    const std::string list =
        WriteFile("list.xml", "<r>" + Directory("Beta", "http://127.0.0.1:9/b") +
                                  Directory("BETA ", "http://127.0.0.1:9/B") +
                                  Directory("Beta", "http://127.0.0.1:9/b") + "</r>");
    const DirectoryImport import = ReadDirectoryImport(list, m_database, false);
    ASSERT_EQ(import.candidates.size(), 2u);
    EXPECT_EQ(import.candidates[0].action, ImportAction::Add);
    EXPECT_EQ(import.candidates[1].action, ImportAction::Refuse);
    EXPECT_THAT(import.candidates[1].problem, HasSubstr("looks the same as \"Beta\""));
}

} // namespace
