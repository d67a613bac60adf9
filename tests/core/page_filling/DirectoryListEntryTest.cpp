#include "page_filling/DirectoryListEntry.h"

#include <gtest/gtest.h>

TEST(DirectoryListEntry, MarkersFollowTheNameWithABlank)
{
    EXPECT_EQ(MakeDirectoryListEntry("Feed Dir", SentMarker::None), "Feed Dir");
    EXPECT_EQ(MakeDirectoryListEntry("Feed Dir", SentMarker::Sent), "Feed Dir [sent]");
    EXPECT_EQ(MakeDirectoryListEntry("Feed Dir", SentMarker::NotSent), "Feed Dir [not sent]");
}

TEST(DirectoryListEntry, NameIsTheTextBeforeTheFirstMarkerStart)
{
    EXPECT_EQ(DirectoryNameFromEntry("Feed Dir [not sent]"), "Feed Dir");
    EXPECT_EQ(DirectoryNameFromEntry("Feed Dir"), "Feed Dir");
    EXPECT_EQ(DirectoryNameFromEntry("A [b] dir [sent]"), "A");
    EXPECT_EQ(DirectoryNameFromEntry("Brackets[inside] [sent]"), "Brackets[inside]");
}
