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
        EXPECT_TRUE(sink.Open(TemporaryPath()));
        for (size_t at = 0; at < answer.size(); at += delivery) {
            if (!sink.Receive(std::string_view(answer).substr(at, delivery)))
                return sink.GetState();
        }
        sink.Finish();
        return sink.GetState();
    }

    std::string TemporaryPath() const { return m_folder.File("ddupdate.xml"); }

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
        EXPECT_EQ(ReadWholeFile(TemporaryPath()), answer) << delivery;
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
            EXPECT_EQ(ReadWholeFile(TemporaryPath()), answer.substr(0, kPiece));
            EXPECT_FALSE(sink.Receive("more"));
        }
    }
}

TEST_F(DownloadSinkTest, FindsATagInTheShortLastPiece)
{
    CDownloadSink sink(1 << 20, {});
    ASSERT_TRUE(sink.Open(TemporaryPath()));
    EXPECT_TRUE(sink.Receive(AnswerWith("<html>", kPiece + 3, kPiece + 20)));
    EXPECT_FALSE(sink.Finish());
    EXPECT_EQ(sink.GetState(), CDownloadSink::State::HtmlSeen);
    EXPECT_EQ(ReadWholeFile(TemporaryPath()).size(), kPiece);
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
            EXPECT_EQ(ReadWholeFile(TemporaryPath()), answer);
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

TEST_F(DownloadSinkTest, ReplacesAnOldFileButNeverWritesThroughALink)
{
    const std::string victim = m_folder.File("victim");
    WriteWholeFile(victim, "precious");
    std::filesystem::create_symlink(victim, TemporaryPath());

    CDownloadSink sink(1 << 20, {});
    Feed(sink, "new", 10);
    EXPECT_EQ(ReadWholeFile(victim), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(TemporaryPath()));
    EXPECT_EQ(ReadWholeFile(TemporaryPath()), "new");

    CDownloadSink again(1 << 20, {});
    Feed(again, "newer", 10);
    EXPECT_EQ(ReadWholeFile(TemporaryPath()), "newer");
}

TEST_F(DownloadSinkTest, CannotOpenInAMissingFolder)
{
    CDownloadSink sink(1 << 20, {});
    EXPECT_FALSE(sink.Open(m_folder.File("missing/ddupdate.xml")));
}

} // namespace
