#include "page_filling/DirectoryListEntry.h"

#include <gtest/gtest.h>

TEST(DirectoryListEntry, MarkersFollowTheNameWithABlank)
{
    EXPECT_EQ(MakeDirectoryListEntry("Feed Dir", SentMarker::None), "Feed Dir");
    EXPECT_EQ(MakeDirectoryListEntry("Feed Dir", SentMarker::Sent), "Feed Dir [sent]");
    EXPECT_EQ(MakeDirectoryListEntry("Feed Dir", SentMarker::NotSent), "Feed Dir [not sent]");
}
