#include "feeds/FeedReportJson.h"

#include <cstdio>

namespace {

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonStringOrNull(const std::string& text)
{
    return text.empty() ? "null" : JsonString(text);
}

std::string JsonPosition(int value)
{
    return value > 0 ? std::to_string(value) : "null";
}

std::string Field(const char* name, const std::string& value, bool last = false)
{
    return JsonString(name) + ": " + value + (last ? "" : ", ");
}

// A JSON array of the objects `fields` writes for each element (its fields, without braces).
template <typename Element, typename Fields>
std::string JsonList(const std::vector<Element>& elements, Fields fields)
{
    std::string out = "[";
    for (size_t i = 0; i < elements.size(); ++i)
        out += (i ? ", {" : "{") + fields(elements[i]) + "}";
    return out + "]";
}

std::string DiscoveredFields(const DiscoveredFeed& feed)
{
    return Field("address", JsonString(feed.address)) + Field("title", JsonString(feed.title)) +
           Field("type", JsonString(feed.type), true);
}

std::string ProblemFields(const FeedProblem& problem)
{
    return Field("message", JsonString(problem.message)) +
           Field("line", JsonPosition(problem.line)) +
           Field("column", JsonPosition(problem.column), true);
}

} // namespace

std::string FeedReportToJson(const FeedReport& report)
{
    return "{" + Field("kind", JsonStringOrNull(FeedKindName(report.kind))) +
           Field("version", JsonStringOrNull(report.version)) +
           Field("title", JsonString(report.title)) + Field("link", JsonString(report.link)) +
           Field("description", JsonString(report.description)) +
           Field("language", JsonStringOrNull(report.language)) +
           Field("items", std::to_string(report.items)) +
           Field("newest", JsonStringOrNull(report.newest)) +
           Field("discovered", JsonList(report.discovered, DiscoveredFields)) +
           Field("redirectedTo", JsonStringOrNull(report.redirectedTo)) +
           Field("problems", JsonList(report.problems, ProblemFields), true) + "}";
}
