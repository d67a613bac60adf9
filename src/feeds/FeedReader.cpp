#include "feeds/FeedReader.h"

#include "common/TextCatalogue.h"
#include "directory_db/UntrustedXml.h"
#include "feeds/AtomReader.h"
#include "feeds/FeedNodes.h"
#include "feeds/PlainText.h"
#include "feeds/RssReader.h"

namespace {

FeedProblem ProblemOf(const UntrustedXmlError& error)
{
    switch (error.kind) {
    case UntrustedXmlError::Kind::TooLarge:
        return {
            FillIn(KESTRINE_TEXT("FeedCheck", "The feed is larger than %1 MB and was not read."),
                   {std::to_string(kMaxUntrustedXmlBytes >> 20)}),
            0, 0};
    case UntrustedXmlError::Kind::OverExpansionBudget:
        return {KESTRINE_TEXT("FeedCheck", "The feed declares entities that would grow far beyond "
                                           "its own size; it was not read."),
                0, 0};
    case UntrustedXmlError::Kind::NotWellFormed:
    case UntrustedXmlError::Kind::None:
        break;
    }
    std::string message = KESTRINE_TEXT("FeedCheck", "The feed is not well-formed XML");
    const std::string detail = CollapseWhiteSpace(error.message);
    if (!detail.empty())
        message =
            FillIn(KESTRINE_TEXT("FeedCheck", "The feed is not well-formed XML: %1"), {detail});
    if (!message.ends_with('.'))
        message += '.';
    return {message, error.line, error.column};
}

void ReadRoot(const xmlNode* root, FeedReport& report)
{
    bool hasChannel = true;
    if (IsRssRoot(root)) {
        hasChannel = ReadRss(root, report);
    } else if (IsRdfRoot(root)) {
        hasChannel = ReadRdf(root, report);
    } else if (IsAtomRoot(root)) {
        ReadAtom(root, report);
    } else {
        const std::string name = reinterpret_cast<const char*>(root->name);
        report.problems.push_back(
            {FillIn(KESTRINE_TEXT("FeedCheck", "This is not a feed: the document is <%1>, where a "
                                               "feed is <rss>, <rdf:RDF> or <feed>."),
                    {name}),
             LineOf(root), 0});
        return;
    }
    if (!hasChannel)
        return;
    std::vector<FeedProblem> missing;
    if (report.title.empty())
        missing.push_back({KESTRINE_TEXT("FeedCheck", "The feed has no title."), 0, 0});
    if (report.link.empty())
        missing.push_back(
            {KESTRINE_TEXT("FeedCheck", "The feed has no link to its web site."), 0, 0});
    report.problems.insert(report.problems.begin(), missing.begin(), missing.end());
}

} // namespace

FeedReport ReadFeed(std::string_view bytes)
{
    FeedReport report;
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        report.problems.push_back({KESTRINE_TEXT("FeedCheck", "The document is empty."), 0, 0});
        return report;
    }
    UntrustedXmlResult parsed =
        ReadUntrustedXml(bytes, {.textInBudget = true, .namespacesWellFormed = true});
    if (!parsed.doc) {
        report.problems.push_back(ProblemOf(parsed.error));
        return report;
    }
    const xmlNode* root = xmlDocGetRootElement(parsed.doc.get());
    if (!root) {
        report.problems.push_back(
            {KESTRINE_TEXT("FeedCheck", "The document holds no element."), 0, 0});
        return report;
    }
    report.wellFormed = true;
    ReadRoot(root, report);
    return report;
}
