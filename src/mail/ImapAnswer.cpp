#include "mail/ImapAnswer.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>

namespace {

constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

template <typename Number>
std::optional<Number> NumberAfter(std::string_view line, std::string_view key)
{
    const size_t at = line.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    const char* first = line.data() + at + key.size();
    Number value{};
    const auto [end, error] = std::from_chars(first, line.data() + line.size(), value);
    if (error != std::errc() || end == first)
        return std::nullopt;
    return value;
}

template <typename Visit> void ForEachLine(std::string_view answer, Visit visit)
{
    while (!answer.empty()) {
        const size_t end = std::min(answer.find('\n'), answer.size());
        std::string_view line = answer.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        visit(line);
        answer.remove_prefix(std::min(end + 1, answer.size()));
    }
}

} // namespace

std::vector<uint32_t> SearchResult(std::string_view answer)
{
    std::vector<uint32_t> uids;
    ForEachLine(answer, [&](std::string_view line) {
        constexpr std::string_view kSearch = "* SEARCH";
        if (!line.starts_with(kSearch))
            return;
        const char* at = line.data() + kSearch.size();
        const char* end = line.data() + line.size();
        while (at < end) {
            while (at < end && *at == ' ')
                ++at;
            uint32_t uid = 0;
            const auto [next, error] = std::from_chars(at, end, uid);
            if (error != std::errc() || next == at)
                break;
            uids.push_back(uid);
            at = next;
        }
    });
    return uids;
}

std::optional<int64_t> InternalDateUtcMs(std::string_view date)
{
    int day = 0, year = 0, hour = 0, minute = 0, second = 0, zone = 0;
    char month[4] = {};
    char sign = '+';
    const std::string text(date);
    if (std::sscanf(text.c_str(), "%d-%3s-%d %d:%d:%d %c%d", &day, month, &year, &hour, &minute,
                    &second, &sign, &zone) != 8)
        return std::nullopt;
    size_t monthIndex = 0;
    while (monthIndex < kMonths.size() && kMonths[monthIndex] != month)
        ++monthIndex;
    if (monthIndex == kMonths.size() || day < 1 || day > 31 || hour > 23 || minute > 59 ||
        second > 60 || year < 1970 || zone < 0 || zone > 2359)
        return std::nullopt;
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = static_cast<int>(monthIndex);
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    const int64_t offsetSeconds = (zone / 100 * 60 + zone % 100) * 60;
    const int64_t local = static_cast<int64_t>(timegm(&fields));
    return (sign == '-' ? local + offsetSeconds : local - offsetSeconds) * 1000;
}

std::vector<ArrivedMail> FetchedDescriptions(std::string_view answer)
{
    std::vector<ArrivedMail> mails;
    ForEachLine(answer, [&](std::string_view line) {
        if (!line.starts_with("* ") || line.find(" FETCH (") == std::string_view::npos)
            return;
        const std::optional<uint32_t> uid = NumberAfter<uint32_t>(line, "UID ");
        const std::optional<uint64_t> size = NumberAfter<uint64_t>(line, "RFC822.SIZE ");
        constexpr std::string_view kDate = "INTERNALDATE \"";
        const size_t dateAt = line.find(kDate);
        if (!uid || !size || dateAt == std::string_view::npos)
            return;
        const std::string_view rest = line.substr(dateAt + kDate.size());
        const std::optional<int64_t> received = InternalDateUtcMs(rest.substr(0, rest.find('"')));
        if (!received)
            return;
        const size_t flagsAt = line.find("FLAGS (");
        const std::string_view flags =
            flagsAt == std::string_view::npos ? std::string_view() : line.substr(flagsAt);
        const bool seen = flags.substr(0, flags.find(')')).find("\\Seen") != std::string_view::npos;
        mails.push_back({*uid, *received, *size, seen});
    });
    return mails;
}

std::string SearchDate(int64_t utcMs)
{
    const std::time_t seconds = static_cast<std::time_t>(utcMs / 1000);
    std::tm fields{};
    gmtime_r(&seconds, &fields);
    return std::to_string(fields.tm_mday) + "-" + std::string(kMonths[fields.tm_mon]) + "-" +
           std::to_string(fields.tm_year + 1900);
}

std::string UidSet(const std::vector<uint32_t>& uids)
{
    std::string set;
    for (size_t first = 0; first < uids.size();) {
        size_t last = first;
        while (last + 1 < uids.size() && uids[last + 1] == uids[last] + 1)
            ++last;
        if (!set.empty())
            set += ',';
        set += std::to_string(uids[first]);
        if (last > first)
            set += ':' + std::to_string(uids[last]);
        first = last + 1;
    }
    return set;
}

std::string QuotedMailboxName(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}
