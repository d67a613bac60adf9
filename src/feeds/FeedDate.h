#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Seconds since 1970-01-01T00:00:00Z.
using FeedTime = int64_t;

// RSS dates: "Sat, 07 Sep 2002 00:00:01 GMT" and the variants feeds write (no weekday, no
// seconds, two-digit years, named US zones, "+0200").
std::optional<FeedTime> ParseRfc822Date(std::string_view text);

// Atom and Dublin Core dates: "2003-12-13T18:30:02Z", with fractions or "+01:00", or only
// "2003-12-13", "2003-12", "2003".
std::optional<FeedTime> ParseW3cDate(std::string_view text);

// Either of the two forms.
std::optional<FeedTime> ParseFeedDate(std::string_view text);

// "2003-12-13T18:30:02Z".
std::string FormatFeedTime(FeedTime time);
