#include "history/SqliteFailure.h"

HistoryOutcome SqliteFailure(sqlite3* db)
{
    HistoryOutcome failure = HistoryOutcome::Failed(sqlite3_errmsg(db));
    const int code = sqlite3_errcode(db);
    failure.busy = code == SQLITE_BUSY || code == SQLITE_LOCKED;
    return failure;
}
