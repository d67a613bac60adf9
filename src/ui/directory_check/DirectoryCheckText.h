#pragma once

#include "directory_check/DirectoryCheckRun.h"

#include <QDateTime>
#include <QString>

// What the check found and when, for the list's tooltip: "Not found (404), checked 3 Dec"; the
// year only when it is not the year of `now`.
QString DirectoryCheckTooltip(const DirectoryCheckResult& result, const QDateTime& now);

// The progress's counts of the statuses found so far, in words: "2 ok, 1 not found".
QString DirectoryCheckCounts(const DirectoryCheckProgress& progress);
