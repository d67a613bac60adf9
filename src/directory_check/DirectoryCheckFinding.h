#pragma once

#include <optional>
#include <string>

// What a check found beyond its status, kept as a code and put into words only when shown, so
// that a later run shows it in the language of that moment. The words may name the result's
// HTTP status, missing fields or final address, and the finding's number.
enum class DirectoryCheckFinding
{
    None,                // nothing beyond the status
    RedirectLoop,        // the address redirects in a loop
    NoAnswerInTime,      // no complete answer by the deadline; the number: the deadline in ms
    StoppedAnswering,    // the server stalled
    HostNotFound,        // the server name is unknown
    ConnectionRefused,   // nothing listens at the address
    TooManyRedirects,    // the number: how many redirects are followed
    NotHttp,             // the address is not an http or https one
    NoSecureConnection,  // TLS could not be set up
    FetchFailed,         // the number: the libcurl error
    AnswerBroke,         // the server answered, then the connection broke
    AnswerCutShort,      // the server answered, then stopped short of the announced length
    AnswerFailed,        // the server answered, then the transfer failed; the number: libcurl's
    NotFoundAnswer,      // 404 or 410
    RefusedAnswer,       // another 4xx
    ServerErrorAnswer,   // 5xx
    UnexpectedAnswer,    // a status that is neither a page nor an error
    FieldsMissing,       // the page lacks some of the directory's fields
    FieldsMissingScript, // as FieldsMissing, on a page without a form that runs scripts
    Moved,               // permanently redirected to the final address
};

// The names history.sqlite keeps: "redirect_loop", "fields_missing", …; "" for None. They are
// part of the file format and never change.
const char* FindingName(DirectoryCheckFinding finding);
std::optional<DirectoryCheckFinding> FindingFromName(const std::string& name);
