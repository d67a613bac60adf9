#include "profiles/ProfileStore.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using Names = std::vector<std::string>;

ProfileRecord Profile(const std::string& name, std::initializer_list<std::string> sent = {},
                      const std::string& url = {})
{
    ProfileRecord profile;
    profile.name = name;
    profile.url = url;
    profile.sent = sent;
    return profile;
}

std::string Saved(const CProfileStore& store)
{
    std::ostringstream out;
    EXPECT_TRUE(store.SaveProfiles(out));
    return out.str();
}

Names NamesOf(const CProfileStore& store)
{
    Names names{"stale entry"};
    store.GetProfileNames(names);
    return names;
}

} // namespace

TEST(ProfileStoreTest, NamesComeInStoreOrderAndReplaceTheOutput)
{
    CProfileStore store;
    EXPECT_EQ(NamesOf(store), Names{});

    store.AddProfile(Profile("Zed"));
    store.AddProfile(Profile("alpha"));
    store.AddProfile(Profile(""));
    EXPECT_EQ(NamesOf(store), (Names{"Zed", "alpha", ""}));
}

TEST(ProfileStoreTest, LookupsByDuplicateNameTakeTheFirstButIsSentAsksEveryOne)
{
    CProfileStore store;
    store.AddProfile(Profile("Blog", {"First Dir"}, "http://first"));
    store.AddProfile(Profile("blog", {"Lower Dir"}));
    store.AddProfile(Profile("Blog", {"Second Dir"}, "http://second"));

    ProfileRecord found;
    ASSERT_TRUE(store.GetProfile("Blog", found));
    EXPECT_EQ(found.url, "http://first");
    EXPECT_EQ(found.sent, CSentSet{"First Dir"});

    EXPECT_TRUE(store.IsSent("Blog", "First Dir"));
    EXPECT_TRUE(store.IsSent("Blog", "Second Dir")) << "a later profile of the name counts too";
    EXPECT_FALSE(store.IsSent("Blog", "Lower Dir")) << "names compare case-sensitively";
    EXPECT_FALSE(store.IsSent("Blog ", "First Dir"));
    EXPECT_EQ(store.SentSetsOf("Blog"),
              (std::vector<const CSentSet*>{&store.Profiles()[0].sent, &store.Profiles()[2].sent}));
    EXPECT_TRUE(store.SentSetsOf("Blog ").empty());

    EXPECT_TRUE(store.MarkSent("Blog", "New Dir"));
    EXPECT_EQ(store.Profiles()[0].sent, (CSentSet{"First Dir", "New Dir"}));
    EXPECT_EQ(store.Profiles()[2].sent, CSentSet{"Second Dir"});
}

TEST(ProfileStoreTest, MissingProfileChangesNothing)
{
    CProfileStore store;
    store.AddProfile(Profile("Blog", {"Dir"}, "http://blog"));
    const std::string before = Saved(store);

    ProfileRecord untouched = Profile("kept", {"kept dir"});
    EXPECT_FALSE(store.GetProfile("blog", untouched));
    EXPECT_EQ(untouched.name, "kept");
    EXPECT_EQ(untouched.sent, CSentSet{"kept dir"});

    EXPECT_FALSE(store.MarkSent("Nobody", "Dir 2"));
    EXPECT_FALSE(store.UnmarkSent("Nobody", "Dir"));
    EXPECT_FALSE(store.UnmarkSent("blog", "Dir"));
    EXPECT_FALSE(store.IsSent("Nobody", "Dir"));
    EXPECT_FALSE(store.EditProfile("Nobody", Profile("Renamed")));
    EXPECT_FALSE(store.EditProfileAt(1, Profile("Renamed")));
    EXPECT_FALSE(store.RemoveProfileAt(1));
    EXPECT_FALSE(store.CarrySentMarks("Never sent", "Renamed", false));
    EXPECT_EQ(Saved(store), before);
}

TEST(ProfileStoreTest, MarkingTwiceHoldsTheNameOnce)
{
    CProfileStore store;
    store.AddProfile(Profile("Blog"));
    EXPECT_TRUE(store.MarkSent("Blog", "Dir"));
    EXPECT_TRUE(store.MarkSent("Blog", "Dir"));
    EXPECT_EQ(store.Profiles()[0].sent.size(), 1u);
}

TEST(ProfileStoreTest, UnmarkingTakesTheMarkFromEveryProfileOfTheName)
{
    CProfileStore store;
    store.AddProfile(Profile("Blog", {"Dir", "Other"}));
    store.AddProfile(Profile("Podcast", {"Dir"}));
    store.AddProfile(Profile("Blog", {"Dir"}));
    EXPECT_TRUE(store.UnmarkSent("Blog", "Dir"));
    EXPECT_TRUE(store.UnmarkSent("Blog", "Never sent"));
    EXPECT_FALSE(store.IsSent("Blog", "Dir"));
    EXPECT_EQ(store.Profiles()[0].sent, CSentSet{"Other"});
    EXPECT_EQ(store.Profiles()[1].sent, CSentSet{"Dir"});
    EXPECT_TRUE(store.Profiles()[2].sent.empty());
}

TEST(ProfileStoreTest, EditReplacesTheTextFieldsInPlaceAndKeepsSent)
{
    CProfileStore store;
    store.AddProfile(Profile("First"));
    store.AddProfile(Profile("Blog", {"Alpha", "beta"}, "http://old"));
    store.AddProfile(Profile("Last"));

    ProfileRecord fields = Profile("Renamed blog", {"ignored"}, "http://new");
    fields.cat = "News";
    fields.lname = "O'Neil";
    ASSERT_TRUE(store.EditProfile("Blog", fields));

    EXPECT_EQ(NamesOf(store), (Names{"First", "Renamed blog", "Last"}));
    const ProfileRecord& edited = store.Profiles()[1];
    EXPECT_EQ(edited.url, "http://new");
    EXPECT_EQ(edited.cat, "News");
    EXPECT_EQ(edited.lname, "O'Neil");
    EXPECT_EQ(edited.sent, (CSentSet{"Alpha", "beta"}));
    EXPECT_TRUE(store.IsSent("Renamed blog", "Alpha"));
}

TEST(ProfileStoreTest, EditWithTheProfilesOwnNameAndFields)
{
    CProfileStore store;
    store.AddProfile(Profile("Blog", {"Dir"}, "http://blog"));
    const ProfileRecord& self = store.Profiles()[0];

    ASSERT_TRUE(store.EditProfile(self.name, self));

    EXPECT_EQ(store.Profiles()[0].name, "Blog");
    EXPECT_EQ(store.Profiles()[0].url, "http://blog");
    EXPECT_TRUE(store.IsSent("Blog", "Dir"));
}

// Twins of a name come from an sv.dat of an earlier version; the Profile Manager tells them
// apart by their place.
TEST(ProfileStoreTest, EditAndRemoveAtAPlaceTouchOnlyThatProfile)
{
    CProfileStore store;
    for (const char* name : {"A", "Dup", "B", "Dup", "C"})
        store.AddProfile(Profile(name, {}, std::string("url of ") + name));
    store.MarkSent("Dup", "only the first");

    ProfileRecord fields = Profile("Dup", {"ignored"}, "edited");
    ASSERT_TRUE(store.EditProfileAt(3, fields));
    EXPECT_EQ(store.Profiles()[3].url, "edited");
    EXPECT_TRUE(store.Profiles()[3].sent.empty());
    EXPECT_EQ(store.Profiles()[1].url, "url of Dup");

    ASSERT_TRUE(store.RemoveProfileAt(3));
    EXPECT_EQ(NamesOf(store), (Names{"A", "Dup", "B", "C"}));
    EXPECT_EQ(store.Profiles()[1].url, "url of Dup");
    EXPECT_TRUE(store.IsSent("Dup", "only the first"));
}

struct CarryCase
{
    const char* label;
    bool keepFrom;
    Names firstSent;  // after carrying "Old" to "New"
    Names secondSent; // of the second profile, which was sent to "Old" too
};

void PrintTo(const CarryCase& row, std::ostream* out)
{
    *out << row.label;
}

class CarrySentMarksTest : public ::testing::TestWithParam<CarryCase>
{
};

// A renamed directory keeps its marks for every profile, whatever the profiles are called.
TEST_P(CarrySentMarksTest, EveryProfileSentToTheOldNameIsSentToTheNewOne)
{
    const CarryCase& row = GetParam();
    CProfileStore store;
    store.AddProfile(Profile("Blog", {"Old", "Other"}));
    store.AddProfile(Profile("Podcast", {"Old"}));
    store.AddProfile(Profile("Blog", {"Other"}));

    EXPECT_TRUE(store.CarrySentMarks("Old", "New", row.keepFrom));

    EXPECT_EQ(Names(store.Profiles()[0].sent.begin(), store.Profiles()[0].sent.end()),
              row.firstSent);
    EXPECT_EQ(Names(store.Profiles()[1].sent.begin(), store.Profiles()[1].sent.end()),
              row.secondSent);
    EXPECT_EQ(store.Profiles()[2].sent, CSentSet{"Other"});
}

INSTANTIATE_TEST_SUITE_P(
    Renames, CarrySentMarksTest,
    ::testing::Values(CarryCase{"OldNameGone", false, {"New", "Other"}, {"New"}},
                      CarryCase{
                          "OldNameStillListed", true, {"New", "Old", "Other"}, {"New", "Old"}}),
    [](const ::testing::TestParamInfo<CarryCase>& info) { return info.param.label; });

TEST(ProfileStoreTest, CopiesTakenWithGetProfileAreIndependent)
{
    CProfileStore store;
    store.AddProfile(Profile("Blog", {"Dir"}));

    ProfileRecord copy;
    ASSERT_TRUE(store.GetProfile("Blog", copy));
    copy.sent.insert("Only in the copy");

    EXPECT_FALSE(store.IsSent("Blog", "Only in the copy"));
}
