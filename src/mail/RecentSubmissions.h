#pragma once

#include "history/HistoryEvent.h"
#include "mail/ConfirmationFinder.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// How long after a submission its confirmation mail is looked for.
inline constexpr int64_t kConfirmationWaitMs = int64_t{2} * 24 * 60 * 60 * 1000;

// The submissions among the history's `events` made in the `kConfirmationWaitMs` before
// `nowUtcMs`, each directory and profile once (its latest), with the page it was submitted
// from and the address its profile gave (`profileAddresses`: profile name to e-mail address).
std::vector<Submission>
RecentSubmissions(const std::vector<HistoryEvent>& events, int64_t nowUtcMs,
                  const std::map<std::string, std::string>& profileAddresses);
