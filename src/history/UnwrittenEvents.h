#pragma once

#include "history/HistoryEvent.h"
#include "history/HistoryOutcome.h"

#include <string>
#include <vector>

class CHistoryStore;

// Events that could not reach history.sqlite before the program ended, kept beside it in
// history.sqlite-unwritten until a later start writes them. Instances of the program that keep
// and take at the same moment take turns, so that none loses what another kept or writes it a
// second time.
std::string UnwrittenEventsPath(const std::string& historyPath);

// Adds the events to those already kept. On failure, `error` says why; the events are not
// kept then.
HistoryOutcome KeepUnwrittenEvents(const std::string& historyPath,
                                   const std::vector<HistoryEvent>& events);

// Writes the kept events to `store`, opened on `historyPath`, in one transaction, and then
// forgets them; on failure they stay kept for the next attempt.
HistoryOutcome TakeUnwrittenEvents(CHistoryStore& store, const std::string& historyPath);
