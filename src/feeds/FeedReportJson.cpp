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

// Appends `"name": value` and, unless it is the last of its object, a separator. Built by
// appending: GCC 12 misreads chains of operator+ on strings here (-Wrestrict).
void AddField(std::string& out, const char* name, const std::string& value, bool last = false)
{
    out.append(JsonString(name)).append(": ").append(value);
    if (!last)
        out.append(", ");
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
    AddField(out, "address", JsonString(feed.address));
    AddField(out, "title", JsonString(feed.title));
    AddField(out, "type", JsonString(feed.type), true);
}

void AddProblemFields(std::string& out, const FeedProblem& problem)
{
    AddField(out, "message", JsonString(problem.message));
    AddField(out, "line", JsonPosition(problem.line));
    AddField(out, "column", JsonPosition(problem.column), true);
}

} // namespace

std::string FeedReportToJson(const FeedReport& report)
{
    std::string out = "{";
    AddField(out, "kind", JsonStringOrNull(FeedKindName(report.kind)));
    AddField(out, "version", JsonStringOrNull(report.version));
    AddField(out, "title", JsonString(report.title));
    AddField(out, "link", JsonString(report.link));
    AddField(out, "description", JsonString(report.description));
    AddField(out, "language", JsonStringOrNull(report.language));
    AddField(out, "items", std::to_string(report.items));
    AddField(out, "newest", JsonStringOrNull(report.newest));
    AddField(out, "discovered", JsonList(report.discovered, AddDiscoveredFields));
    AddField(out, "redirectedTo", JsonStringOrNull(report.redirectedTo));
    AddField(out, "problems", JsonList(report.problems, AddProblemFields), true);
    return out.append("}");
}
