#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What happened to a directory for a profile. The stored names are the ones `KindName` gives;
// they are part of the file format and never change.
enum class HistoryEventKind
{
    Opened,       // the directory's submission page was opened
    Filled,       // the page was filled; fieldsSet of fieldsTotal found their element
    Submitted,    // the user submitted the filled form
    Confirmed,    // the result page held the confirmation text
    NotConfirmed, // the result page was checked and the confirmation text was absent
    MarkedByHand, // the user marked the directory sent
    Unmarked,     // the user marked the directory not sent
    // The page a confirmation mail's link opened held the confirmation text, or said it was
    // confirmed
    ConfirmedByEmail,
};

std::string_view KindName(HistoryEventKind kind);
std::optional<HistoryEventKind> KindFromName(std::string_view name);

// One row of the history. Profile and directory names are the bytes sv.dat and dirdata.xml
// hold, which need not be UTF-8.
struct HistoryEvent
{
    int64_t timeUtcMs = 0; // milliseconds since 1970-01-01 00:00 UTC
    std::string profile;
    std::string directory;
    HistoryEventKind kind = HistoryEventKind::Opened;
    int fieldsSet = 0; // only for Filled
    int fieldsTotal = 0;
    std::string pageAddress;

    bool operator==(const HistoryEvent&) const = default;
};
