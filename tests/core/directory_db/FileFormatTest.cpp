// The file format and document order: which elements count, in which order they come back.
#include "DatabaseFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using FileFormatTest = DatabaseFixture;

TEST_F(FileFormatTest, ExampleFileGivesNamesAddressAndFields)
{
    ASSERT_TRUE(m_database.LoadFile(KESTRINE_TEST_DATA_DIR "/directory_db/sample.xml"));
    EXPECT_THAT(Names(), ElementsAre("Sample Directory", "Feeds & More"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("Sample Directory", "Business", ""),
              "http://127.0.0.1/submit?cat=100");
    EXPECT_EQ(m_database.GetDirectorySubmitPage("Sample Directory", "", ""),
              "http://127.0.0.1/submit?cat=1");
    EXPECT_THAT(Items("Sample Directory", "Business", "Marketing"),
                ElementsAre(FormField{"feed_url", FieldType::Edit, 0, "#url#"},
                            FormField{"feed_title", FieldType::Edit, 0, "#title#"},
                            FormField{"cat_select", FieldType::ComboBox, 0, "104"}));
    EXPECT_EQ(m_database.GetDirectoryOnSubmit("Sample Directory"), "Thank you for your submission");
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(FileFormatTest, DeclaredEncodingIsDecodedToUtf8)
{
    ASSERT_TRUE(m_database.LoadFile(KESTRINE_TEST_DATA_DIR "/directory_db/latin1.xml"));
    EXPECT_THAT(Names(), ElementsAre("Caf\xc3\xa9"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("Caf\xc3\xa9", "", ""),
              "http://127.0.0.1/\xc3\xa9");
}

TEST_F(FileFormatTest, Utf16FileWithByteOrderMarkLoads)
{
    const std::string text =
        R"(<?xml version="1.0" encoding="UTF-16"?><r><directory name="d"/></r>)";
    std::string utf16 = "\xff\xfe";
    for (char c : text)
        utf16 += std::string{c, '\0'};
    EXPECT_TRUE(m_database.LoadFile(WriteFile("utf16.xml", utf16)));
    EXPECT_THAT(Names(), ElementsAre("d"));
}

TEST_F(FileFormatTest, OnlyDirectoriesDirectlyUnderRCount)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="top"/>
        <group><directory name="nested"/></group>
        <directory><item name="nameless"/></directory>
        <Directory name="capital"/>
        <x:directory xmlns:x="urn:x" name="prefixed"/>
        <directory x:name="attribute in a namespace" xmlns:x="urn:x"/>
        text, <!-- comments --> and <?pi ?> are ignored
        <directory name="last"/>)"));
    EXPECT_THAT(Names(), ElementsAre("top", "last"));
}

TEST_F(FileFormatTest, OtherDocumentElementHasNoDirectories)
{
    EXPECT_TRUE(LoadXml(R"(<root><directory name="a" submiturl="u" onsubmit="o"/></root>)"));
    EXPECT_THAT(Names(), IsEmpty());
    EXPECT_TRUE(LoadXml(R"(<r xmlns="urn:default"><directory name="a"/></r>)"));
    EXPECT_THAT(Names(), IsEmpty());
}

TEST_F(FileFormatTest, DuplicateNamesAreListedTwiceAndShareFieldsAndVariables)
{
    ASSERT_TRUE(LoadDirectories(R"(
        <directory name="twin" onsubmit="first thanks">
          <item name="a" index="0" value="V" type="edit"/>
          <variable name="V"><cond value="from first"/></variable>
        </directory>
        <directory name="other" submiturl="http://127.0.0.1/other"/>
        <directory name="twin" submiturl="http://127.0.0.1/V" onsubmit="second thanks">
          <variable name="V"><cond value="from second"/></variable>
          <variable name="W"><cond value="w"/></variable>
          <item name="b" index="1" value="V W" type="checkbox"/>
        </directory>)"));
    EXPECT_THAT(Names(), ElementsAre("twin", "other", "twin"));
    // submiturl and onsubmit come from the first directory that has them.
    EXPECT_EQ(m_database.GetDirectorySubmitPage("twin", "", ""), "http://127.0.0.1/from first");
    EXPECT_EQ(m_database.GetDirectoryOnSubmit("twin"), "first thanks");
    EXPECT_EQ(Variables("twin"), (VariableMap{{"V", "from first"}, {"W", "w"}}));
    EXPECT_THAT(Items("twin"), ElementsAre(FormField{"a", FieldType::Edit, 0, "from first"},
                                           FormField{"b", FieldType::CheckBox, 1, "from first w"}));
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(FileFormatTest, ReferencesInAttributesAreExpanded)
{
    ASSERT_TRUE(LoadXml(R"(<?xml version="1.0"?>
        <!DOCTYPE r [ <!ENTITY site "http://127.0.0.1/&amp;x"> <!ENTITY inner "&site;/in"> ]>
        <r><directory name="&#x41;&lt;&quot;" submiturl="&inner;?a=1&amp;b=2"
                      onsubmit="line&#10;break"/></r>)"));
    EXPECT_THAT(Names(), ElementsAre("A<\""));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("A<\"", "", ""), "http://127.0.0.1/&x/in?a=1&b=2");
    EXPECT_EQ(m_database.GetDirectoryOnSubmit("A<\""), "line\nbreak");
}

TEST_F(FileFormatTest, AttributeDefaultsOfTheDtdAreNotWrittenAttributes)
{
    ASSERT_TRUE(LoadXml(R"(<!DOCTYPE r [ <!ATTLIST directory submiturl CDATA "http://127.0.0.1/d">
        <!ATTLIST item type CDATA "checkbox"> ]>
        <r><directory name="d"><item name="i" index="3" value="v"/></directory></r>)"));
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"i", FieldType::Edit, 3, "v"}));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "");
}

TEST_F(FileFormatTest, SecondLoadReplacesTheFirst)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="old" submiturl="http://127.0.0.1/old"/>)"));
    ASSERT_TRUE(LoadDirectories(R"(<directory name="new" submiturl="http://127.0.0.1/new"/>)"));
    EXPECT_THAT(Names(), ElementsAre("new"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("old", "", ""), "");
    EXPECT_EQ(m_database.GetDirectorySubmitPage("new", "", ""), "http://127.0.0.1/new");
}

} // namespace
