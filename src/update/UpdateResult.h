#pragma once

// How an update ended; the values are the update dialog's result codes.
enum UpdateResult : int
{
    kUpdateSucceeded = 0,     // the download was accepted and put in place
    kUpdateFailed = 1,        // nothing usable was retrieved; the database file is unchanged
    kUpdateCancelled = 2,     // the user stopped it; the database file is unchanged
    kUpdateInternalError = -1 // nothing was attempted
};
