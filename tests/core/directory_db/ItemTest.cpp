// Form fields: the items of a directory and the one working record they share.
#include "DatabaseFixture.h"
#include "directory_db/IndexText.h"

#include <gmock/gmock.h>
#include <limits>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using ItemTest = DatabaseFixture;

TEST_F(ItemTest, AbsentAttributesKeepWhatThePreviousItemLeft)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <item/>
        <item name="a" index="2" value="X" type="checkbox"/>
        <item name="b"/>
        <item value=""/>
        <item index="5" type="combobox"/>
        </directory>)"));
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"", FieldType::Edit, 0, ""},
                                        FormField{"a", FieldType::CheckBox, 2, "X"},
                                        FormField{"b", FieldType::CheckBox, 2, "X"},
                                        FormField{"b", FieldType::CheckBox, 2, ""},
                                        FormField{"b", FieldType::ComboBox, 5, ""}));
}

TEST_F(ItemTest, ItemsFollowDocumentOrderAmongVariables)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <item name="1" index="0" value="V" type="edit"/>
        <variable name="V"><cond value="v"/></variable>
        <group><item name="not a direct child"/></group>
        <item name="2" index="1" value="V" type="edit"/>
        </directory>)"));
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"1", FieldType::Edit, 0, "v"},
                                        FormField{"2", FieldType::Edit, 1, "v"}));
}

TEST_F(ItemTest, UnsupportedTypeIsReportedAndTheFieldKept)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="Dir">
        <item name="a" index="0" value="" type="Edit"/>
        <item name="b" index="0" value="" type="checkbox"/>
        <item name="c" index="0" value="" type=" combobox"/>
        <item name="d" index="0" value="" type=""/>
        </directory>)"));
    EXPECT_THAT(Items("Dir"), ElementsAre(FormField{"a", FieldType::Edit, 0, ""},
                                          FormField{"b", FieldType::CheckBox, 0, ""},
                                          FormField{"c", FieldType::CheckBox, 0, ""},
                                          FormField{"d", FieldType::CheckBox, 0, ""}));
    const Message unsupported{"unsuported control type", "Dir", MessageIcon::Error};
    EXPECT_THAT(m_presenter.messages, ElementsAre(unsupported, unsupported, unsupported));
}

TEST_F(ItemTest, VariableMessagesComeBeforeItemMessages)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="Dir">
        <item name="a" index="0" value="" type="radio"/>
        <variable name="V"/>
        </directory>)"));
    EXPECT_THAT(Items("Dir"), ElementsAre(FormField{"a", FieldType::Edit, 0, ""}));
    EXPECT_THAT(m_presenter.messages,
                ElementsAre(Message{"error on variable", "V", MessageIcon::None},
                            Message{"unsuported control type", "Dir", MessageIcon::Error}));
}

TEST_F(ItemTest, DirectoryWithoutItemsOrUnknownNameGivesNoFields)
{
    ASSERT_TRUE(
        LoadDirectories(R"(<directory name="empty"/><directory name="x"><item/></directory>)"));
    EXPECT_THAT(Items("empty"), IsEmpty());
    EXPECT_THAT(Items("nobody"), IsEmpty());
    EXPECT_THAT(Items(""), IsEmpty());
    EXPECT_THAT(Items("X"), IsEmpty());
    EXPECT_THAT(m_presenter.messages, IsEmpty());
}

TEST_F(ItemTest, FieldsAreAppendedToWhatTheListHolds)
{
    ASSERT_TRUE(LoadDirectories(
        R"(<directory name="d"><item name="new" index="0" value="" type="edit"/></directory>)"));
    std::vector<FormField> fields{{"old", FieldType::CheckBox, 9, "kept"}};
    EXPECT_TRUE(m_database.GetDirectoryItems("d", "", "", fields));
    EXPECT_THAT(fields, ElementsAre(FormField{"old", FieldType::CheckBox, 9, "kept"},
                                    FormField{"new", FieldType::Edit, 0, ""}));
}

TEST_F(ItemTest, IndexIsReadLikeAtoi)
{
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d">
        <item index="2x"/><item index="x"/><item index=" -1"/><item index="&#9;+7"/>
        <item index=""/><item index="- 3"/><item index="0x10"/><item index="007"/>
        </directory>)"));
    std::vector<int32_t> indexes;
    for (const FormField& field : Items("d"))
        indexes.push_back(field.index);
    EXPECT_THAT(indexes, ElementsAre(2, 0, -1, 7, 0, 0, 0, 7));
}

TEST(IndexTextTest, ValuesBeyondThirtyTwoBitsAreClamped)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(ReadIndexText("2147483647"), kMax);
    EXPECT_EQ(ReadIndexText("2147483648"), kMax);
    EXPECT_EQ(ReadIndexText("-2147483648"), kMin);
    EXPECT_EQ(ReadIndexText("-2147483649"), kMin);
    EXPECT_EQ(ReadIndexText("99999999999999999999999999999999"), kMax);
    EXPECT_EQ(ReadIndexText("-99999999999999999999999999999999"), kMin);
    EXPECT_EQ(ReadIndexText("\v\f\r\n 12 34"), 12);
    EXPECT_EQ(ReadIndexText("+-1"), 0);
    EXPECT_EQ(ReadIndexText("\xc2\xa0"
                            "5"),
              0);
}

} // namespace
