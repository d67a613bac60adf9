#include "history/HistoryReading.h"

#include "history/HistoryStore.h"

#include <filesystem>
#include <system_error>

HistoryOutcome ReadHistoryFile(const std::string& path, HistorySelection selection,
                               std::vector<HistoryEvent>& events)
{
    events.clear();
    std::error_code ignored;
    if (path.empty() || !std::filesystem::exists(path, ignored))
        return {};
    CHistoryStore store;
    HistoryOutcome outcome = store.OpenToRead(path);
    if (outcome.ok) {
        outcome = selection == HistorySelection::Every ? store.ReadEvents(events)
                                                       : store.ReadLastEvents(events);
    }
    if (!outcome.ok)
        events.clear();
    return outcome;
}
