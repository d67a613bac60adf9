#include "feeds/FeedDate.h"

#include "common/AsciiCase.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace {

// A cursor over date text that reads numbers and words and skips what separates them.
class DateScanner
{
public:
    explicit DateScanner(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_at >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_at]; }
    void Skip() { ++m_at; }

    void SkipSpaces()
    {
        while (!AtEnd() && (IsAsciiSpace(Peek()) || Peek() == ','))
            ++m_at;
    }

    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++m_at;
        return true;
    }

    // Exactly `minDigits` to `maxDigits` digits.
    std::optional<int> Number(size_t minDigits, size_t maxDigits)
    {
        size_t count = 0;
        int value = 0;
        while (count < maxDigits && IsAsciiDigit(Peek())) {
            value = value * 10 + (Peek() - '0');
            ++m_at;
            ++count;
        }
        if (count < minDigits)
            return std::nullopt;
        return value;
    }

    std::string Word()
    {
        std::string word;
        while (IsAsciiLetter(Peek())) {
            word += AsciiLower(Peek());
            ++m_at;
        }
        return word;
    }

private:
    std::string_view m_text;
    size_t m_at = 0;
};

struct CivilTime
{
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int offsetMinutes = 0; // east of UTC
};

std::optional<FeedTime> ToFeedTime(const CivilTime& t)
{
    using namespace std::chrono;
    const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)},
                              day{static_cast<unsigned>(t.day)}};
    // Leap seconds are read as the second before.
    if (!date.ok() || t.hour > 23 || t.minute > 59 || t.second > 60)
        return std::nullopt;
    const auto seconds = sys_days(date).time_since_epoch() + hours(t.hour) + minutes(t.minute) +
                         std::chrono::seconds(std::min(t.second, 59)) - minutes(t.offsetMinutes);
    return duration_cast<std::chrono::seconds>(seconds).count();
}

std::optional<int> MonthNamed(const std::string& word)
{
    static constexpr std::array kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                           "jul", "aug", "sep", "oct", "nov", "dec"};
    if (word.size() < 3)
        return std::nullopt;
    for (size_t i = 0; i < kMonths.size(); ++i) {
        if (word.compare(0, 3, kMonths[i]) == 0)
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

std::optional<int> ZoneNamedOffset(const std::string& word)
{
    struct Zone
    {
        const char* name;
        int hours;
    };
    static constexpr std::array<Zone, 12> kZones = {{{"gmt", 0},
                                                     {"ut", 0},
                                                     {"utc", 0},
                                                     {"z", 0},
                                                     {"est", -5},
                                                     {"edt", -4},
                                                     {"cst", -6},
                                                     {"cdt", -5},
                                                     {"mst", -7},
                                                     {"mdt", -6},
                                                     {"pst", -8},
                                                     {"pdt", -7}}};
    for (const Zone& zone : kZones) {
        if (word == zone.name)
            return zone.hours * 60;
    }
    return std::nullopt;
}

// "+0200", "-05:00"; the sign has been seen.
std::optional<int> NumericOffset(DateScanner& scanner, int sign)
{
    const auto hours = scanner.Number(2, 2);
    scanner.Take(':');
    const auto minutes = scanner.Number(2, 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    return sign * (*hours * 60 + *minutes);
}

bool ReadClock(DateScanner& scanner, CivilTime& t)
{
    const auto hour = scanner.Number(1, 2);
    if (!hour || !scanner.Take(':'))
        return false;
    const auto minute = scanner.Number(2, 2);
    if (!minute)
        return false;
    t.hour = *hour;
    t.minute = *minute;
    if (scanner.Take(':')) {
        const auto second = scanner.Number(2, 2);
        if (!second)
            return false;
        t.second = *second;
    }
    return true;
}

bool ReadRfc822Zone(DateScanner& scanner, CivilTime& t)
{
    scanner.SkipSpaces();
    if (scanner.AtEnd())
        return true; // no zone at all: read as UTC, as most readers do
    const char sign = scanner.Peek();
    if (sign == '+' || sign == '-') {
        scanner.Skip();
        const auto offset = NumericOffset(scanner, sign == '+' ? 1 : -1);
        if (!offset)
            return false;
        t.offsetMinutes = *offset;
    } else {
        const auto offset = ZoneNamedOffset(scanner.Word());
        if (!offset)
            return false;
        t.offsetMinutes = *offset;
    }
    scanner.SkipSpaces();
    return scanner.AtEnd();
}

} // namespace

std::optional<FeedTime> ParseRfc822Date(std::string_view text)
{
    DateScanner scanner(text);
    CivilTime t;
    scanner.SkipSpaces();
    if (IsAsciiLetter(scanner.Peek())) {
        scanner.Word(); // the weekday, which says nothing the date does not
        scanner.SkipSpaces();
    }
    const auto day = scanner.Number(1, 2);
    scanner.SkipSpaces();
    const auto month = MonthNamed(scanner.Word());
    scanner.SkipSpaces();
    const auto year = scanner.Number(2, 4);
    if (!day || !month || !year)
        return std::nullopt;
    t.day = *day;
    t.month = *month;
    t.year = *year < 100 ? (*year < 50 ? 2000 + *year : 1900 + *year) : *year;
    scanner.SkipSpaces();
    if (!ReadClock(scanner, t) || !ReadRfc822Zone(scanner, t))
        return std::nullopt;
    return ToFeedTime(t);
}

std::optional<FeedTime> ParseW3cDate(std::string_view text)
{
    DateScanner scanner(text);
    CivilTime t;
    scanner.SkipSpaces();
    const auto year = scanner.Number(4, 4);
    if (!year)
        return std::nullopt;
    t.year = *year;
    if (scanner.Take('-')) {
        const auto month = scanner.Number(2, 2);
        if (!month)
            return std::nullopt;
        t.month = *month;
        if (scanner.Take('-')) {
            const auto day = scanner.Number(2, 2);
            if (!day)
                return std::nullopt;
            t.day = *day;
        }
    }
    if (scanner.Take('T') || scanner.Take('t') || scanner.Take(' ')) {
        if (!ReadClock(scanner, t))
            return std::nullopt;
        if (scanner.Take('.') && !scanner.Number(1, 9))
            return std::nullopt;
        const char sign = scanner.Peek();
        if (sign == 'Z' || sign == 'z') {
            scanner.Skip();
        } else if (sign == '+' || sign == '-') {
            scanner.Skip();
            const auto offset = NumericOffset(scanner, sign == '+' ? 1 : -1);
            if (!offset)
                return std::nullopt;
            t.offsetMinutes = *offset;
        }
    }
    scanner.SkipSpaces();
    if (!scanner.AtEnd())
        return std::nullopt;
    return ToFeedTime(t);
}

std::optional<FeedTime> ParseFeedDate(std::string_view text)
{
    const auto w3c = ParseW3cDate(text);
    return w3c ? w3c : ParseRfc822Date(text);
}

std::string FormatFeedTime(FeedTime time)
{
    using namespace std::chrono;
    const sys_seconds point{seconds(time)};
    const auto days = floor<std::chrono::days>(point);
    const year_month_day date{days};
    const hh_mm_ss clock{point - days};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}
