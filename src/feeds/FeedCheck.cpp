#include "feeds/FeedCheck.h"

#include "common/AsciiCase.h"
#include "common/TextCatalogue.h"
#include "directory_db/UntrustedXml.h"
#include "feeds/FeedDiscovery.h"
#include "feeds/FeedReader.h"
#include "feeds/PlainText.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

FeedReport ProblemReport(std::string message)
{
    FeedReport report;
    report.problems.push_back({std::move(message), 0, 0});
    return report;
}

std::string WebPageProblem(size_t feeds)
{
    if (feeds == 0)
        return KESTRINE_TEXT("FeedCheck", "The address answers with a web page, not a feed. The "
                                          "page announces no feed.");
    if (feeds == 1)
        return KESTRINE_TEXT("FeedCheck", "The address answers with a web page, not a feed. The "
                                          "page announces one feed, which can be taken instead.");
    return TranslatedText(KESTRINE_COUNT_TEXT("FeedCheck",
                                              "The address answers with a web page, not a feed. "
                                              "The page announces %n feeds; one of them can be "
                                              "taken instead."),
                          static_cast<int>(feeds));
}

} // namespace

CFeedCheck::CFeedCheck(const CFeedFetcher& fetcher) : m_fetcher(fetcher) {}

FeedReport CFeedCheck::Check(const std::string& target, const std::atomic<bool>* cancel) const
{
    const std::string trimmed = CollapseWhiteSpace(target);
    if (trimmed.empty())
        return ProblemReport(KESTRINE_TEXT("FeedCheck", "No feed address is given."));
    if (StartsWithNoCase(trimmed, "http://") || StartsWithNoCase(trimmed, "https://"))
        return CheckAddress(trimmed, cancel);
    std::error_code error;
    if (std::filesystem::is_regular_file(trimmed, error))
        return CheckFile(trimmed);
    if (trimmed.find("://") != std::string::npos)
        return ProblemReport(
            KESTRINE_TEXT("FeedCheck", "Only http and https addresses can be checked."));
    // Spelled as a path: taken as an address it would only fail in puzzling words.
    if (trimmed.starts_with('/') || trimmed.starts_with("./") || trimmed.starts_with("../"))
        return ProblemReport(FillIn(KESTRINE_TEXT("FeedCheck", "There is no file %1."), {trimmed}));
    return CheckAddress("http://" + trimmed, cancel);
}

FeedReport CFeedCheck::Evaluate(std::string_view bytes, const std::string& address)
{
    if (!LooksLikeHtmlPage(bytes))
        return ReadFeed(bytes);
    FeedReport report;
    report.discovered = DiscoverFeeds(bytes, address);
    report.problems.push_back({WebPageProblem(report.discovered.size()), 0, 0});
    return report;
}

FeedReport CFeedCheck::CheckAddress(const std::string& address,
                                    const std::atomic<bool>* cancel) const
{
    const FeedFetchResult fetched = m_fetcher.Fetch(address, cancel);
    FeedReport report =
        fetched.ok ? Evaluate(fetched.bytes, fetched.finalAddress) : ProblemReport(fetched.error);
    if (fetched.redirects > 0)
        report.redirectedTo = fetched.finalAddress;
    return report;
}

FeedReport CFeedCheck::CheckFile(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxUntrustedXmlBytes)
        return ProblemReport(FillIn(KESTRINE_TEXT("FeedCheck", "The file is larger than %1 MB."),
                                    {std::to_string(kMaxUntrustedXmlBytes >> 20)}));
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf()))
        return ProblemReport(KESTRINE_TEXT("FeedCheck", "The file could not be read."));
    const std::string absolute = std::filesystem::absolute(path, error).string();
    return Evaluate(bytes.str(), error ? path : absolute);
}
