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
    EXPECT_FALSE(store.RemoveProfile("Nobody"));
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

TEST(ProfileStoreTest, RemoveTakesTheFirstOfTheNameAndKeepsTheOrder)
{
    CProfileStore store;
    for (const char* name : {"A", "Dup", "B", "Dup", "C"})
        store.AddProfile(Profile(name, {}, std::string("url of ") + name));
    store.MarkSent("Dup", "only the first");

    ASSERT_TRUE(store.RemoveProfile("Dup"));

    EXPECT_EQ(NamesOf(store), (Names{"A", "B", "Dup", "C"}));
    EXPECT_FALSE(store.IsSent("Dup", "only the first"));
}

TEST(ProfileStoreTest, CopiesTakenWithGetProfileAreIndependent)
{
    CProfileStore store;
    store.AddProfile(Profile("Blog", {"Dir"}));

    ProfileRecord copy;
    ASSERT_TRUE(store.GetProfile("Blog", copy));
    copy.sent.insert("Only in the copy");

    EXPECT_FALSE(store.IsSent("Blog", "Only in the copy"));
}
