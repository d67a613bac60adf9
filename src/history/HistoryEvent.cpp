#include "history/HistoryEvent.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<HistoryEventKind, std::string_view>, 8> kKindNames{{
    {HistoryEventKind::Opened, "opened"},
    {HistoryEventKind::Filled, "filled"},
    {HistoryEventKind::Submitted, "submitted"},
    {HistoryEventKind::Confirmed, "confirmed"},
    {HistoryEventKind::NotConfirmed, "not_confirmed"},
    {HistoryEventKind::MarkedByHand, "marked_by_hand"},
    {HistoryEventKind::Unmarked, "unmarked"},
    {HistoryEventKind::ConfirmedByEmail, "confirmed_by_email"},
}};

} // namespace

std::string_view KindName(HistoryEventKind kind)
{
    for (const auto& [known, name] : kKindNames) {
        if (known == kind)
            return name;
    }
    return {};
}

std::optional<HistoryEventKind> KindFromName(std::string_view name)
{
    for (const auto& [kind, known] : kKindNames) {
        if (known == name)
            return kind;
    }
    return std::nullopt;
}
