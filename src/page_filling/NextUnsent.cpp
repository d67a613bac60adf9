#include "page_filling/NextUnsent.h"

std::optional<size_t> NextUnsent(const std::vector<uint8_t>& sent, std::optional<size_t> selected,
                                 const std::function<bool(size_t)>& shown)
{
    const size_t count = sent.size();
    if (count == 0)
        return std::nullopt;
    // Without a selection the search starts at the first directory, which is "after" the last.
    const size_t start = selected && *selected < count ? *selected + 1 : 0;
    for (size_t step = 0; step < count; ++step) {
        const size_t row = (start + step) % count;
        if (!sent[row] && shown(row))
            return row;
    }
    return std::nullopt;
}

std::vector<size_t> NextUnsentRun(const std::vector<uint8_t>& sent, std::optional<size_t> selected,
                                  const std::function<bool(size_t)>& shown, size_t count)
{
    std::vector<size_t> run;
    std::optional<size_t> from = selected;
    while (run.size() < count) {
        const std::optional<size_t> next = NextUnsent(sent, from, shown);
        // Back where the run began: every unsent directory is in it already.
        if (!next || next == selected || (!run.empty() && *next == run.front()))
            break;
        run.push_back(*next);
        from = next;
    }
    return run;
}
