// Feeds arbitrary bytes to the reader of the events kept for the next start: it must never crash,
// and what it reads, packed again, must be the very bytes it read them from, so that nothing
// past a damaged record is made up.
#include "history/UnwrittenEventsFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<HistoryEvent> events = ReadUnwrittenEvents(bytes);
    const std::string packed = PackUnwrittenEvents(events);
    if (!events.empty() && bytes.substr(0, packed.size()) != packed)
        std::abort();
    if (ReadUnwrittenEvents(packed) != events)
        std::abort();
    return 0;
}
