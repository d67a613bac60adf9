#pragma once

#include "history/HistoryEvent.h"
#include "history/HistoryOutcome.h"

#include <string>
#include <vector>

// Which of the history's events a reader wants.
enum class HistorySelection
{
    Every,          // newest first: the history window
    LastOfEachPair, // the newest of every pair, then confirmations by e-mail: the report
};

// Reads the history as the history window and the report do, which never create the file and
// read one that cannot be written as it stands (see CHistoryStore::OpenToRead). No file, or no
// path at all (there is no data folder), is an empty history.
HistoryOutcome ReadHistoryFile(const std::string& path, HistorySelection selection,
                               std::vector<HistoryEvent>& events);
