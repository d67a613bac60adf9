#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether the page a confirmation mail's link opened shows the confirmation went through: it
// holds the directory's confirmation text, as its result page would, or its words say it is
// done ("confirmed", "bestätigt", "confirmé"…). An empty confirmation text proves nothing here:
// the words still may.
bool ShowsConfirmation(std::string_view pageHtml, const std::optional<std::string>& confirmation);
