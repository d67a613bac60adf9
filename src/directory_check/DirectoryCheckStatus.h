#pragma once

#include <optional>
#include <string>

// What a check found at a directory's submission address.
enum class DirectoryCheckStatus
{
    Ok,          // the page holds every field the directory fills
    Moved,       // as Ok, but reached through permanent redirects
    FormChanged, // a page, without some of the directory's fields
    NotFound,    // 404 or 410
    ServerError, // 5xx, an answer that is neither a page nor a refusal, or one that broke off
    Refused,     // 401, 403, 429 and the other 4xx
    Unreachable, // no such host, no connection, no secure connection, redirects that lead nowhere
    Timeout,     // no complete answer within the deadline
};

// The name scripts and the history use: "ok", "moved", "form_changed", …
const char* StatusName(DirectoryCheckStatus status);
std::optional<DirectoryCheckStatus> StatusFromName(const std::string& name);

// The site or its submission page is gone: not worth opening until a later check says
// otherwise. Refusals, server errors and timeouts are often passing, and a moved or changed
// directory can still take a submission.
bool IsFoundDead(DirectoryCheckStatus status);

inline constexpr DirectoryCheckStatus kAllDirectoryCheckStatuses[] = {
    DirectoryCheckStatus::Ok,          DirectoryCheckStatus::Moved,
    DirectoryCheckStatus::FormChanged, DirectoryCheckStatus::NotFound,
    DirectoryCheckStatus::ServerError, DirectoryCheckStatus::Refused,
    DirectoryCheckStatus::Unreachable, DirectoryCheckStatus::Timeout,
};
