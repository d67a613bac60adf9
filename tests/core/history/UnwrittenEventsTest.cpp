// The file that keeps events for the next start: read back whole, and read as far as it is
// intact when cut short or damaged.
#include "history/UnwrittenEventsFormat.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::vector<HistoryEvent> kEvents{
    {1'700'000'000'123, "Blog", "Alpha", HistoryEventKind::Opened, 0, 0, "http://a.example/"},
    {-5, "", "", HistoryEventKind::Filled, 7, 9, ""},
    // Names that are not UTF-8, and bytes the format itself uses, come back as they went in.
    {42, std::string("P\xff\0q", 4), "Kestrine unwritten history 1\n",
     HistoryEventKind::NotConfirmed, 0, 0, std::string(300, 'x')},
    {43, "Blog", "Beta", HistoryEventKind::Unmarked, 0, 0, "http://b.example/?q=1"},
};

// Where each record ends in the packed bytes.
std::vector<size_t> RecordEnds()
{
    std::vector<size_t> ends;
    for (size_t count = 1; count <= kEvents.size(); ++count)
        ends.push_back(PackUnwrittenEvents({kEvents.begin(), kEvents.begin() + count}).size());
    return ends;
}

std::vector<HistoryEvent> FirstEvents(size_t count)
{
    return {kEvents.begin(), kEvents.begin() + static_cast<std::ptrdiff_t>(count)};
}

TEST(UnwrittenEventsTest, ReadsBackWhatWasPacked)
{
    EXPECT_EQ(ReadUnwrittenEvents(PackUnwrittenEvents(kEvents)), kEvents);
    EXPECT_TRUE(ReadUnwrittenEvents(PackUnwrittenEvents({})).empty());
    for (const std::string& foreign : {std::string(), std::string("SQLite format 3"),
                                       std::string("Kestrine unwritten history 2\n")})
        EXPECT_TRUE(ReadUnwrittenEvents(foreign).empty()) << foreign;
}

TEST(UnwrittenEventsTest, AFileCutShortGivesTheRecordsThatAreWhole)
{
    const std::string packed = PackUnwrittenEvents(kEvents);
    const std::vector<size_t> ends = RecordEnds();
    for (size_t length = 0; length <= packed.size(); ++length) {
        size_t whole = 0;
        while (whole < ends.size() && ends[whole] <= length)
            ++whole;
        EXPECT_EQ(ReadUnwrittenEvents(std::string_view(packed).substr(0, length)),
                  FirstEvents(whole))
            << "cut at " << length;
    }
}

TEST(UnwrittenEventsTest, ADamagedRecordEndsTheReadingBeforeIt)
{
    const std::string packed = PackUnwrittenEvents(kEvents);
    const std::vector<size_t> ends = RecordEnds();
    const size_t headerEnd = PackUnwrittenEvents({}).size();
    // Every byte of every record, its length and checksum included, changed in turn.
    for (size_t offset = headerEnd; offset < packed.size(); ++offset) {
        size_t damaged = 0;
        while (ends[damaged] <= offset)
            ++damaged;
        for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
            std::string bytes = packed;
            bytes[offset] = static_cast<char>(static_cast<unsigned char>(bytes[offset]) ^ flip);
            EXPECT_EQ(ReadUnwrittenEvents(bytes), FirstEvents(damaged))
                << "byte " << offset << " flipped by " << int{flip};
        }
    }
}

} // namespace
