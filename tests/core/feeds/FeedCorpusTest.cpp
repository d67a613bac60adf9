// Every file of the shared corpus goes through the reader, and what the reader reports is held
// against the file's own "Expect:" line.
#include "feeds/FeedReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(KESTRINE_FEED_CORPUS_DIR) / "feedparser";

// Expectations the reader cannot decide, each with the reason. Whatever else such a line asks
// (bozo, a title) is still checked.
const std::map<std::string, std::string> kUndecidable = {
    {"illformed/chardet/big5.xml", "guesses the encoding of undeclared text; the reader does not"},
    {"illformed/chardet/eucjp.xml", "guesses the encoding of undeclared text"},
    {"illformed/chardet/euckr.xml", "guesses the encoding of undeclared text"},
    {"illformed/chardet/gb2312.xml", "guesses the encoding of undeclared text"},
    {"illformed/chardet/koi8r.xml", "guesses the encoding of undeclared text"},
    {"illformed/chardet/shiftjis.xml", "guesses the encoding of undeclared text"},
    {"illformed/chardet/tis620.xml", "guesses the encoding of undeclared text"},
    {"illformed/chardet/windows1255.xml", "guesses the encoding of undeclared text"},
    {"illformed/geo/georss_point_no_coords.xml", "asks for an entry's geographic data"},
    {"illformed/geo/georss_polygon_insufficient_coords.xml", "asks for an entry's geographic data"},
    {"illformed/geo/gml_point.xml", "asks for an entry's geographic data"},
    {"illformed/http_high_bit_date.xml", "\"Expect: 1\" asks only that reading does not crash"},
    {"illformed/rss_item_link_corrupted_ampersands.xml", "asks for an entry's link"},
};

std::string ReadWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The expectation as plain text, found without the reader's code: tags dropped, the entities
// the corpus uses decoded, white space collapsed.
std::string PlainExpectation(const std::string& value)
{
    std::string text = std::regex_replace(value, std::regex("<[^>]*>"), "");
    for (const auto& [entity, character] : std::vector<std::pair<std::string, std::string>>{
             {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}}) {
        for (size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + character.size()))
            text.replace(at, entity.size(), character);
    }
    std::istringstream words(text);
    std::string word;
    std::string collapsed;
    while (words >> word)
        collapsed += (collapsed.empty() ? "" : " ") + word;
    return collapsed;
}

struct Expectation
{
    std::optional<bool> bozo;
    std::map<std::string, std::string> feed; // key ("title", "link", …) to the plain value
    std::vector<std::string> undecidable;    // clauses about what the reader does not report
};

// A Python string literal at `at`: '…' or u'…', with backslash escapes.
std::optional<std::string> ReadPythonString(const std::string& text, size_t& at)
{
    if (at < text.size() && text[at] == 'u')
        ++at;
    if (at >= text.size() || (text[at] != '\'' && text[at] != '"'))
        return std::nullopt;
    const char quote = text[at++];
    std::string value;
    for (; at < text.size() && text[at] != quote; ++at) {
        if (text[at] == '\\' && at + 1 < text.size())
            ++at;
        value += text[at];
    }
    if (at >= text.size())
        return std::nullopt;
    ++at;
    return value;
}

Expectation ParseExpectation(const std::string& line)
{
    Expectation expectation;
    const std::regex feedKey(R"(^feed\['(\w+)'\]\s*==\s*)");
    size_t at = 0;
    while (at < line.size()) {
        const std::string rest = line.substr(at);
        std::smatch match;
        if (rest.starts_with("not bozo")) {
            expectation.bozo = false;
            at += 8;
        } else if (rest.starts_with("bozo") && (rest.size() == 4 || rest[4] == ' ')) {
            expectation.bozo = true;
            at += 4;
        } else if (std::regex_search(rest, match, feedKey)) {
            at += match.length(0);
            const auto value = ReadPythonString(line, at);
            if (!value) {
                expectation.undecidable.push_back(rest);
                break;
            }
            expectation.feed[match[1]] = PlainExpectation(*value);
        } else {
            // Up to the next clause; the corpus has no " and " inside such clauses.
            const size_t end = line.find(" and ", at);
            expectation.undecidable.push_back(line.substr(at, end - at));
            at = end == std::string::npos ? line.size() : end;
        }
        while (at < line.size() && line[at] == ' ')
            ++at;
        if (line.compare(at, 4, "and ") == 0)
            at += 4;
    }
    return expectation;
}

std::string ExpectLine(const std::string& bytes)
{
    std::smatch match;
    static const std::regex expect(R"(Expect:\s*(.*?)\s*\n)");
    return std::regex_search(bytes, match, expect) ? match[1].str() : std::string();
}

std::vector<std::string> CorpusFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus)) {
        if (entry.is_regular_file() && entry.path().extension() == ".xml")
            files.push_back(fs::relative(entry.path(), kCorpus).generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The reader's value for a key of the feed dictionary the corpus speaks of.
std::string ReportedValue(const FeedReport& report, const std::string& key)
{
    if (key == "title")
        return report.title;
    if (key == "link")
        return report.link;
    if (key == "description" || key == "subtitle" || key == "tagline")
        return report.description;
    ADD_FAILURE() << "The corpus asks for feed['" << key << "'], which the reader does not report";
    return {};
}

class FeedCorpusTest : public ::testing::TestWithParam<std::string>
{
};

TEST_P(FeedCorpusTest, ReportsWhatTheExpectLineStates)
{
    const std::string bytes = ReadWholeFile(kCorpus / GetParam());
    const std::string line = ExpectLine(bytes);
    ASSERT_FALSE(line.empty()) << "no Expect: line";
    const Expectation expectation = ParseExpectation(line);
    const FeedReport report = ReadFeed(bytes);

    if (expectation.bozo) {
        EXPECT_EQ(report.wellFormed, !*expectation.bozo);
        if (*expectation.bozo) {
            ASSERT_FALSE(report.problems.empty());
            EXPECT_TRUE(report.problems[0].message.starts_with("The feed is not well-formed XML"))
                << report.problems[0].message;
            EXPECT_GT(report.problems[0].line, 0);
        }
    }
    for (const auto& [key, value] : expectation.feed)
        EXPECT_EQ(ReportedValue(report, key), value) << "feed['" << key << "']";

    const bool listed = kUndecidable.contains(GetParam());
    EXPECT_EQ(listed, !expectation.undecidable.empty())
        << (listed ? "listed as undecidable, but every clause is checked"
                   : "cannot check: " + expectation.undecidable.front());
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param.substr(0, info.param.size() - 4);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, FeedCorpusTest, ::testing::ValuesIn(CorpusFiles()), TestName);

TEST(FeedCorpus, HoldsEveryKindOfFileAndEveryListedFile)
{
    const std::vector<std::string> files = CorpusFiles();
    for (const char* folder :
         {"wellformed/rss/", "wellformed/rdf/", "wellformed/atom/", "illformed/"})
        EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const std::string& file) {
            return file.starts_with(folder);
        })) << folder;
    for (const auto& [file, reason] : kUndecidable)
        EXPECT_NE(std::find(files.begin(), files.end(), file), files.end()) << file;
}

} // namespace
