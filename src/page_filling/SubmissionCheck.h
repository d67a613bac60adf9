#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How long after a form submission its result page is first examined.
inline constexpr uint32_t kSubmissionSettleMilliseconds = 3000;

// True once more than the settle time has passed since `submitTime`, also when the 32-bit
// millisecond count wrapped around in between.
bool IsSubmissionCheckDue(uint32_t submitTime, uint32_t now);

// True when the result page holds the directory's confirmation text, byte for byte and in the
// same letter case. The page counts up to its first zero byte. A directory that has no
// confirmation text (nullopt) never counts as confirmed; an empty text always does.
bool IsSubmissionConfirmed(std::string_view pageHtml,
                           const std::optional<std::string>& confirmation);
