#include "update/DownloadSink.h"

#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr size_t kPiece = CDownloadSink::kPieceSize;

// `text` placed so that it starts `offset` bytes into an answer of `size` filler bytes.
std::string AnswerWith(const std::string& text, size_t offset, size_t size)
{
    std::string answer(size, 'x');
    answer.replace(offset, text.size(), text);
    return answer;
}

class DownloadSinkTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.IsValid()); }

    // Feeds `answer` in deliveries of `delivery` bytes, as the network might hand it over.
    CDownloadSink::State Feed(CDownloadSink& sink, const std::string& answer, size_t delivery)
    {
        EXPECT_TRUE(sink.Open(m_folder.File(".")));
        for (size_t at = 0; at < answer.size(); at += delivery) {
            if (!sink.Receive(std::string_view(answer).substr(at, delivery)))
                return sink.GetState();
        }
        sink.Finish();
        return sink.GetState();
    }

    TemporaryFolder m_folder;
};

TEST_F(DownloadSinkTest, WritesEveryPieceInOrderWhateverTheDeliverySize)
{
    std::string answer;
    for (int i = 0; answer.size() < 3 * kPiece + 100; ++i)
        answer += std::to_string(i) + ",";
    for (const size_t delivery : {size_t{1}, size_t{1000}, kPiece, kPiece + 1, answer.size()}) {
        CDownloadSink sink(1 << 20, {});
        EXPECT_EQ(Feed(sink, answer, delivery), CDownloadSink::State::Receiving) << delivery;
        EXPECT_EQ(ReadWholeFile(sink.Path()), answer) << delivery;
        EXPECT_EQ(sink.Bytes(), answer) << delivery;
    }
}

TEST_F(DownloadSinkTest, StopsAtAPieceHoldingEitherTagAndKeepsTheEarlierPieces)
{
    for (const std::string tag : {"<html>", "<HTML>"}) {
        for (const size_t delivery : {size_t{7}, 3 * kPiece}) {
            CDownloadSink sink(1 << 20, {});
            const std::string answer = AnswerWith(tag, kPiece + 10, 3 * kPiece);
            EXPECT_EQ(Feed(sink, answer, delivery), CDownloadSink::State::HtmlSeen);
            EXPECT_EQ(ReadWholeFile(sink.Path()), answer.substr(0, kPiece));
            EXPECT_FALSE(sink.Receive("more"));
        }
    }
}

TEST_F(DownloadSinkTest, FindsATagInTheShortLastPiece)
{
    CDownloadSink sink(1 << 20, {});
    ASSERT_TRUE(sink.Open(m_folder.File(".")));
    EXPECT_TRUE(sink.Receive(AnswerWith("<html>", kPiece + 3, kPiece + 20)));
    EXPECT_FALSE(sink.Finish());
    EXPECT_EQ(sink.GetState(), CDownloadSink::State::HtmlSeen);
    EXPECT_EQ(ReadWholeFile(sink.Path()).size(), kPiece);
}

TEST_F(DownloadSinkTest, OverlooksOtherSpellingsAndTagsCutByAPieceBoundary)
{
    const std::vector<std::string> answers = {
        AnswerWith("<Html>", 100, 2 * kPiece), AnswerWith("<hTmL>", 100, 2 * kPiece),
        AnswerWith("<html>", kPiece - 3, 2 * kPiece), // "<ht" | "ml>"
        AnswerWith("<HTML>", kPiece - 1, 2 * kPiece), // "<" | "HTML>"
    };
    for (const std::string& answer : answers) {
        // Deliveries that do not match the pieces must not change what is seen.
        for (const size_t delivery : {size_t{5}, 2 * kPiece}) {
            CDownloadSink sink(1 << 20, {});
            EXPECT_EQ(Feed(sink, answer, delivery), CDownloadSink::State::Receiving);
            EXPECT_EQ(ReadWholeFile(sink.Path()), answer);
        }
    }
}

TEST_F(DownloadSinkTest, RefusesBytesBeyondTheCap)
{
    CDownloadSink exact(1000, {});
    EXPECT_EQ(Feed(exact, std::string(1000, 'a'), 300), CDownloadSink::State::Receiving);

    CDownloadSink over(1000, {});
    EXPECT_EQ(Feed(over, std::string(1001, 'a'), 300), CDownloadSink::State::TooLarge);
    EXPECT_LE(over.Bytes().size(), 1000u);
}

TEST_F(DownloadSinkTest, ReportsTheBytesReceivedSoFar)
{
    std::vector<uint64_t> reports;
    CDownloadSink sink(1 << 20, [&](uint64_t bytes) { reports.push_back(bytes); });
    Feed(sink, std::string(2500, 'a'), 1000);
    EXPECT_EQ(reports, (std::vector<uint64_t>{1000, 2000, 2500}));
}

TEST_F(DownloadSinkTest, KeepsAFileOfItsOwnUntilItEnds)
{
    std::string firstPath;
    {
        CDownloadSink first(1 << 20, {});
        CDownloadSink second(1 << 20, {});
        Feed(first, "first", 10);
        Feed(second, "second", 10);
        firstPath = first.Path();
        EXPECT_NE(first.Path(), second.Path());
        EXPECT_EQ(ReadWholeFile(first.Path()), "first");
        EXPECT_EQ(ReadWholeFile(second.Path()), "second");
        // Readable by its owner alone.
        EXPECT_EQ(std::filesystem::status(first.Path()).permissions(),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    }
    EXPECT_FALSE(std::filesystem::exists(firstPath));
    EXPECT_TRUE(std::filesystem::is_empty(m_folder.File(".")));
}

TEST_F(DownloadSinkTest, CannotOpenInAMissingFolder)
{
    CDownloadSink sink(1 << 20, {});
    EXPECT_FALSE(sink.Open(m_folder.File("missing")));
    EXPECT_TRUE(sink.Path().empty());
}

} // namespace
