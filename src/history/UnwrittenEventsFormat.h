#pragma once

#include "history/HistoryEvent.h"

#include <string>
#include <string_view>
#include <vector>

// The bytes of history.sqlite-unwritten, which keeps the events a program instance could not
// write to history.sqlite before it ended, for the next start to write. A header, then one
// record per event: its length, its fields and a CRC-32 of them, so that a file cut short or
// damaged is read up to its first bad record and no further.
std::string PackUnwrittenEvents(const std::vector<HistoryEvent>& events);

// The events of the records that are whole and intact, up to the first that is not. Bytes
// that are no such file at all give none.
std::vector<HistoryEvent> ReadUnwrittenEvents(std::string_view bytes);
