#include "feeds/FeedReportText.h"

#include "common/TextCatalogue.h"

namespace {

void AddLine(std::string& out, const std::string& label, const std::string& value)
{
    if (!value.empty())
        out += FillIn(KESTRINE_TEXT("FeedCheck", "%1: %2"), {label, value}) + "\n";
}

} // namespace

std::string FeedKindAndVersion(const FeedReport& report)
{
    std::string kind;
    if (report.kind == FeedKind::Rss)
        kind = "RSS";
    else if (report.kind == FeedKind::Atom)
        kind = "Atom";
    if (kind.empty() || report.version.empty())
        return kind;
    return kind + " " + report.version;
}

std::string ProblemPlace(const FeedProblem& problem)
{
    if (problem.line <= 0)
        return {};
    const std::string line = std::to_string(problem.line);
    if (problem.column <= 0)
        return FillIn(KESTRINE_TEXT("FeedCheck", "line %1: "), {line});
    return FillIn(KESTRINE_TEXT("FeedCheck", "line %1, column %2: "),
                  {line, std::to_string(problem.column)});
}

std::string FeedReportToText(const FeedReport& report)
{
    std::string out;
    AddLine(out, KESTRINE_TEXT("FeedCheck", "Redirected to"), report.redirectedTo);
    AddLine(out, KESTRINE_TEXT("FeedCheck", "Feed"), FeedKindAndVersion(report));
    AddLine(out, KESTRINE_TEXT("FeedCheck", "Title"), report.title);
    AddLine(out, KESTRINE_TEXT("FeedCheck", "Link"), report.link);
    AddLine(out, KESTRINE_TEXT("FeedCheck", "Description"), report.description);
    AddLine(out, KESTRINE_TEXT("FeedCheck", "Language"), report.language);
    if (report.kind != FeedKind::None) {
        const std::string items = std::to_string(report.items);
        out += report.newest.empty()
                   ? FillIn(KESTRINE_TEXT("FeedCheck", "Items: %1"), {items})
                   : FillIn(KESTRINE_TEXT("FeedCheck", "Items: %1, the newest of %2"),
                            {items, report.newest});
        out += "\n";
    }
    for (const DiscoveredFeed& feed : report.discovered) {
        out += feed.title.empty()
                   ? FillIn(KESTRINE_TEXT("FeedCheck", "Announced feed: %1"), {feed.address})
                   : FillIn(KESTRINE_TEXT("FeedCheck", "Announced feed: %1 (%2)"),
                            {feed.address, feed.title});
        out += "\n";
    }
    if (report.IsUsable())
        return out + KESTRINE_TEXT("FeedCheck", "The feed is usable.") + "\n";
    for (const FeedProblem& problem : report.problems)
        out += FillIn(KESTRINE_TEXT("FeedCheck", "Problem: %1%2"),
                      {ProblemPlace(problem), problem.message}) +
               "\n";
    return out;
}
