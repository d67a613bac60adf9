#include "directory_check/DirectoryCheckReport.h"

#include "common/JsonText.h"
#include "directory_check/DirectoryCheckMessage.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t kStatusCount = std::size(kAllDirectoryCheckStatuses);
// Longer names still appear whole; they only push their line's details to the right.
constexpr size_t kMaxNameColumn = 40;

std::array<size_t, kStatusCount> CountByStatus(const std::vector<DirectoryCheckResult>& results)
{
    std::array<size_t, kStatusCount> counts{};
    for (const DirectoryCheckResult& result : results) {
        for (size_t i = 0; i < kStatusCount; ++i)
            counts[i] += result.status == kAllDirectoryCheckStatuses[i] ? 1 : 0;
    }
    return counts;
}

std::string Padded(std::string text, size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string JsonArray(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (const std::string& text : texts)
        out.append(out.size() > 1 ? ", " : "").append(JsonString(text));
    return out + "]";
}

} // namespace

std::string DirectoryCheckTable(const std::vector<DirectoryCheckResult>& results)
{
    size_t nameWidth = std::string("DIRECTORY").size();
    for (const DirectoryCheckResult& result : results)
        nameWidth = std::max(nameWidth, std::min(result.name.size(), kMaxNameColumn));
    std::string table =
        Padded("STATUS", 14) + Padded("HTTP", 6) + Padded("DIRECTORY", nameWidth) + "  DETAILS\n";
    for (const DirectoryCheckResult& result : results) {
        const std::string http = result.httpStatus ? std::to_string(result.httpStatus) : "-";
        std::string line = Padded(StatusName(result.status), 14) + Padded(http, 6) +
                           Padded(result.name, nameWidth) + "  " + DirectoryCheckMessage(result);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        table.append(line).push_back('\n');
    }
    const std::array<size_t, kStatusCount> counts = CountByStatus(results);
    table += std::to_string(results.size()) + (results.size() == 1 ? " directory" : " directories");
    for (size_t i = 0; i < kStatusCount; ++i) {
        if (counts[i] != 0)
            table +=
                ", " + std::to_string(counts[i]) + " " + StatusName(kAllDirectoryCheckStatuses[i]);
    }
    return table + "\n";
}

std::string DirectoryCheckJson(const std::vector<DirectoryCheckResult>& results)
{
    std::string json = "{\"directories\": [";
    for (size_t i = 0; i < results.size(); ++i) {
        const DirectoryCheckResult& result = results[i];
        json.append(i ? ", {" : "{");
        AddJsonField(json, "name", JsonString(result.name));
        AddJsonField(json, "address", JsonString(result.address));
        AddJsonField(json, "status", JsonString(StatusName(result.status)));
        AddJsonField(json, "httpStatus", std::to_string(result.httpStatus));
        AddJsonField(json, "finalAddress", JsonString(result.finalAddress));
        AddJsonField(json, "missingFields", JsonArray(result.missingFields));
        AddJsonField(json, "message", JsonString(DirectoryCheckMessage(result)), true);
        json.append("}");
    }
    json.append("], \"summary\": {");
    const std::array<size_t, kStatusCount> counts = CountByStatus(results);
    for (size_t i = 0; i < kStatusCount; ++i)
        AddJsonField(json, StatusName(kAllDirectoryCheckStatuses[i]), std::to_string(counts[i]),
                     i + 1 == kStatusCount);
    return json + "}}\n";
}
