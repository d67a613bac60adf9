// The categories a feed gives itself: RSS text, Atom label or term, a podcast's category with
// its subcategory; those of items and empty ones left out, each category once.
#include "feeds/FeedReader.h"

#include <gmock/gmock.h>

using ::testing::ElementsAreArray;

// Beside the type, for GoogleTest to print it.
void PrintTo(const FeedCategory& category, std::ostream* out)
{
    *out << category.name << " / " << category.subcategory;
}

namespace {

struct CategoryCase
{
    const char* label;
    const char* feed;
    std::vector<FeedCategory> expected;
};

void PrintTo(const CategoryCase& row, std::ostream* out)
{
    *out << row.label;
}

const CategoryCase kCases[] = {
    {"rss channel categories, not those of items",
     R"(<rss version="2.0"><channel><title>T</title>
          <category domain="x"> Software
            Development </category><category>News</category><category/>
          <item><category>Cooking</category></item></channel></rss>)",
     {{"Software Development", ""}, {"News", ""}}},
    {"podcast category with its subcategory",
     R"(<rss version="2.0" xmlns:itunes="http://www.itunes.com/dtds/podcast-1.0.dtd"><channel>
          <itunes:category text="Sports"><itunes:category text="Running"/></itunes:category>
          <itunes:category text="Health &amp; Fitness"/><category>Sports</category>
        </channel></rss>)",
     {{"Sports", "Running"}, {"Health & Fitness", ""}, {"Sports", ""}}},
    {"atom label before term",
     R"(<feed xmlns="http://www.w3.org/2005/Atom"><title>A</title>
          <category term="tech" label="Technology"/><category term="cooking"/>
          <category term="cooking"/><entry><category term="entry"/></entry></feed>)",
     {{"Technology", ""}, {"cooking", ""}}},
    {"a feed without categories",
     R"(<rss version="2.0"><channel><title>T</title></channel></rss>)",
     {}},
};

class FeedCategoriesTest : public ::testing::TestWithParam<CategoryCase>
{
};

TEST_P(FeedCategoriesTest, ReadsTheFeedsOwnCategories)
{
    const CategoryCase& row = GetParam();
    EXPECT_THAT(ReadFeed(row.feed).categories, ElementsAreArray(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Feeds, FeedCategoriesTest, ::testing::ValuesIn(kCases));

} // namespace
