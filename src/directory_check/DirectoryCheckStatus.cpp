#include "directory_check/DirectoryCheckStatus.h"

const char* StatusName(DirectoryCheckStatus status)
{
    switch (status) {
    case DirectoryCheckStatus::Ok:
        return "ok";
    case DirectoryCheckStatus::Moved:
        return "moved";
    case DirectoryCheckStatus::FormChanged:
        return "form_changed";
    case DirectoryCheckStatus::NotFound:
        return "not_found";
    case DirectoryCheckStatus::ServerError:
        return "server_error";
    case DirectoryCheckStatus::Refused:
        return "refused";
    case DirectoryCheckStatus::Unreachable:
        return "unreachable";
    case DirectoryCheckStatus::Timeout:
        return "timeout";
    }
    return "unknown";
}

std::optional<DirectoryCheckStatus> StatusFromName(const std::string& name)
{
    for (const DirectoryCheckStatus status : kAllDirectoryCheckStatuses) {
        if (name == StatusName(status))
            return status;
    }
    return std::nullopt;
}

bool IsFoundDead(DirectoryCheckStatus status)
{
    return status == DirectoryCheckStatus::NotFound || status == DirectoryCheckStatus::Unreachable;
}
