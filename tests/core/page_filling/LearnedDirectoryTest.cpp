// What a learnt page becomes: its name, its directory entry and its confirmation text.
#include "page_filling/LearnedDirectory.h"

#include "page_filling/DirectoryNameProposal.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char* title;
    const char* address;
    std::string expected;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << '"' << c.title << "\" at " << c.address;
}

class DirectoryNameProposalTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(DirectoryNameProposalTest, NamesTheSiteFromTheTitleOrTheHost)
{
    EXPECT_EQ(ProposeDirectoryName(GetParam().title, GetParam().address), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, DirectoryNameProposalTest,
    ::testing::Values(NameCase{"Submit your feed | Feed Haven", "http://x/", "Feed Haven"},
                      NameCase{"Feed Haven - Add URL", "http://x/", "Feed Haven"},
                      NameCase{"Submit your feed to Feed Haven", "http://x/", "Feed Haven"},
                      NameCase{"Ihren Feed eintragen \xe2\x80\x93 Nachrichtenfluss", "http://x/",
                               "Nachrichtenfluss"},
                      NameCase{"Submit a feed", "http://www.feedhaven.example:8080/add?x=1",
                               "feedhaven.example"},
                      NameCase{"", "https://user@dir.example/", "dir.example"},
                      NameCase{"  Feeds [beta]\n\tlist  ", "http://x/", "Feeds (beta) list"},
                      NameCase{"", "", "New directory"},
                      NameCase{"Add URL", "about:blank", "about"}));

TEST(DirectoryNameProposal, LongTitlesAreCutBetweenCharacters)
{
    std::string title;
    for (int i = 0; i < 120; ++i)
        title += "\xc3\xa9"; // é, two bytes each
    const std::string name = ProposeDirectoryName(title, "");
    EXPECT_EQ(name.size(), 222u);
    EXPECT_EQ(name.substr(0, 2), "\xc3\xa9");
}

FieldDescriptor Field(std::string tag, std::string type, std::string name, std::string id,
                      int32_t index)
{
    FieldDescriptor field;
    field.tag = std::move(tag);
    field.type = std::move(type);
    field.name = std::move(name);
    field.id = std::move(id);
    field.index = index;
    return field;
}

TEST(LearnedDirectory, OneItemPerFieldWithAValueAndAKey)
{
    const std::vector<LearnedField> fields{
        {Field("input", "url", "feed", "", 0), "#url#"},
        {Field("input", "text", "", "title-box", 1), "#title#"},
        {Field("select", "", "cat", "c", 0), "#cat#"},
        {Field("input", "checkbox", "agree", "", 0), "yes"},
        {Field("input", "text", "skipped", "", 0), ""},
        {Field("textarea", "", "", "", 0), "#desc#"},
    };
    const DirectoryRecord record =
        MakeLearnedDirectory("Feed Haven", "http://127.0.0.1/add", std::nullopt, fields);
    EXPECT_EQ(record.name, "Feed Haven");
    EXPECT_EQ(record.submitUrl, "http://127.0.0.1/add");
    EXPECT_FALSE(record.confirmation);
    ASSERT_EQ(record.items.size(), 4u);
    const auto expect = [&record](size_t i, const char* name, FieldType type, int32_t index,
                                  const char* value) {
        SCOPED_TRACE(i);
        EXPECT_EQ(record.items[i].name, name);
        EXPECT_EQ(record.items[i].type, type);
        EXPECT_EQ(record.items[i].index, index);
        EXPECT_EQ(record.items[i].value, value);
    };
    expect(0, "feed", FieldType::Edit, 0, "#url#");
    expect(1, "title-box", FieldType::Edit, 1, "#title#");
    expect(2, "cat", FieldType::ComboBox, 0, "#cat#");
    expect(3, "agree", FieldType::CheckBox, 0, "yes");
}

TEST(LearnedDirectory, ProposalFillsOnlyWhatTheClassifierIsSureOf)
{
    PageDescription page{"Add your feed | Quillfeed", "http://127.0.0.1:9/quillfeed/", {}};
    const auto labelled = [](const char* name, const char* label) {
        FieldDescriptor field = Field("input", "text", name, "", 0);
        field.label = label;
        return field;
    };
    page.fields = {labelled("f1", "Address of your RSS feed"), labelled("f2", "Name"),
                   labelled("f3", "Surname"), labelled("f4", ""), labelled("f5", "Website")};
    const LearnProposal proposal = ProposeLearning(page);
    EXPECT_EQ(proposal.name, "Quillfeed");
    ASSERT_EQ(proposal.fields.size(), 5u);
    ASSERT_EQ(proposal.meanings.size(), 5u);
    EXPECT_EQ(proposal.fields[0].value, "#url#");
    EXPECT_EQ(proposal.fields[1].value, "#fname#");
    EXPECT_EQ(proposal.fields[2].value, "#lname#");
    EXPECT_EQ(proposal.fields[3].value, "");
    // A site address is recognised, but a profile has none to give.
    EXPECT_EQ(proposal.meanings[4].meaning, FieldMeaning::SiteAddress);
    EXPECT_EQ(proposal.fields[4].value, "");
    EXPECT_EQ(proposal.fields[2].field.name, "f3");
}

TEST(LearnedDirectory, TextIsWrittenAsTheHtmlSourceHasIt)
{
    EXPECT_EQ(TextAsHtmlSource("Thanks & welcome <3 > \xc2\xa0ok \"quoted\""),
              "Thanks &amp; welcome &lt;3 &gt; &nbsp;ok \"quoted\"");
    EXPECT_EQ(TextAsHtmlSource("caf\xc3\xa9"), "caf\xc3\xa9");
}

} // namespace
