#include "feeds/FeedReportText.h"

namespace {

void AddLine(std::string& out, const char* label, const std::string& value)
{
    if (!value.empty())
        out += std::string(label) + ": " + value + "\n";
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
    std::string place = "line " + std::to_string(problem.line);
    if (problem.column > 0)
        place += ", column " + std::to_string(problem.column);
    return place + ": ";
}

std::string FeedReportToText(const FeedReport& report)
{
    std::string out;
    AddLine(out, "Redirected to", report.redirectedTo);
    AddLine(out, "Feed", FeedKindAndVersion(report));
    AddLine(out, "Title", report.title);
    AddLine(out, "Link", report.link);
    AddLine(out, "Description", report.description);
    AddLine(out, "Language", report.language);
    if (report.kind != FeedKind::None) {
        out += "Items: " + std::to_string(report.items);
        out += report.newest.empty() ? "\n" : ", the newest of " + report.newest + "\n";
    }
    for (const DiscoveredFeed& feed : report.discovered) {
        out += "Announced feed: " + feed.address;
        out += feed.title.empty() ? "\n" : " (" + feed.title + ")\n";
    }
    if (report.IsUsable())
        return out + "The feed is usable.\n";
    for (const FeedProblem& problem : report.problems)
        out += "Problem: " + ProblemPlace(problem) + problem.message + "\n";
    return out;
}
