#pragma once

#include "history/HistoryOutcome.h"

#include <sqlite3.h>

// The last error of `db` as an outcome, marked busy when another connection holds the lock.
HistoryOutcome SqliteFailure(sqlite3* db);
