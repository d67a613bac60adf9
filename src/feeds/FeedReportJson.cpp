#include "feeds/FeedReportJson.h"

#include "common/JsonText.h"

namespace {

std::string JsonStringOrNull(const std::string& text)
{
    return text.empty() ? "null" : JsonString(text);
}

std::string JsonPosition(int value)
{
    return value > 0 ? std::to_string(value) : "null";
}

// A JSON array of the objects `addFields` writes for each element.
template <typename Element, typename AddFields>
std::string JsonList(const std::vector<Element>& elements, AddFields addFields)
{
    std::string out = "[";
    for (size_t i = 0; i < elements.size(); ++i) {
        out.append(i ? ", {" : "{");
        addFields(out, elements[i]);
        out.append("}");
    }
    return out.append("]");
}

void AddDiscoveredFields(std::string& out, const DiscoveredFeed& feed)
{
    AddJsonField(out, "address", JsonString(feed.address));
    AddJsonField(out, "title", JsonString(feed.title));
    AddJsonField(out, "type", JsonString(feed.type), true);
}

void AddProblemFields(std::string& out, const FeedProblem& problem)
{
    AddJsonField(out, "message", JsonString(problem.message));
    AddJsonField(out, "line", JsonPosition(problem.line));
    AddJsonField(out, "column", JsonPosition(problem.column), true);
}

} // namespace

std::string FeedReportToJson(const FeedReport& report)
{
    std::string out = "{";
    AddJsonField(out, "kind", JsonStringOrNull(FeedKindName(report.kind)));
    AddJsonField(out, "version", JsonStringOrNull(report.version));
    AddJsonField(out, "title", JsonString(report.title));
    AddJsonField(out, "link", JsonString(report.link));
    AddJsonField(out, "description", JsonString(report.description));
    AddJsonField(out, "language", JsonStringOrNull(report.language));
    AddJsonField(out, "items", std::to_string(report.items));
    AddJsonField(out, "newest", JsonStringOrNull(report.newest));
    AddJsonField(out, "discovered", JsonList(report.discovered, AddDiscoveredFields));
    AddJsonField(out, "redirectedTo", JsonStringOrNull(report.redirectedTo));
    AddJsonField(out, "problems", JsonList(report.problems, AddProblemFields), true);
    return out.append("}");
}
