#include "directory_check/DirectoryCheckMessage.h"

#include "common/DurationText.h"
#include "common/TextCatalogue.h"

#include <chrono>

namespace {

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names)
        joined.append(joined.empty() ? "" : ", ").append(name);
    return joined;
}

std::string TransferMessage(const DirectoryCheckResult& result)
{
    const std::string number = std::to_string(result.findingNumber);
    switch (result.finding) {
    case DirectoryCheckFinding::RedirectLoop:
        return KESTRINE_TEXT("DirectoryCheck", "The address redirects in a loop.");
    case DirectoryCheckFinding::NoAnswerInTime:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "No complete answer within %1."),
                      {DurationInWords(std::chrono::milliseconds(result.findingNumber))});
    case DirectoryCheckFinding::StoppedAnswering:
        return KESTRINE_TEXT("DirectoryCheck", "The server stopped answering.");
    case DirectoryCheckFinding::HostNotFound:
        return KESTRINE_TEXT("DirectoryCheck", "The server name could not be found.");
    case DirectoryCheckFinding::ConnectionRefused:
        return KESTRINE_TEXT("DirectoryCheck", "The server refused the connection.");
    case DirectoryCheckFinding::TooManyRedirects:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "The address redirects more than %1 times."),
                      {number});
    case DirectoryCheckFinding::NotHttp:
        return KESTRINE_TEXT("DirectoryCheck", "This is not an http or https address.");
    case DirectoryCheckFinding::NoSecureConnection:
        return KESTRINE_TEXT("DirectoryCheck",
                             "A secure connection to the server could not be made.");
    case DirectoryCheckFinding::FetchFailed:
        return FillIn(
            KESTRINE_TEXT("DirectoryCheck", "The page could not be fetched (libcurl error %1)."),
            {number});
    default:
        return {};
    }
}

std::string AnswerMessage(const DirectoryCheckResult& result)
{
    const std::string status = std::to_string(result.httpStatus);
    switch (result.finding) {
    case DirectoryCheckFinding::AnswerBroke:
        return FillIn(
            KESTRINE_TEXT("DirectoryCheck", "The server answered (%1), then the connection broke."),
            {status});
    case DirectoryCheckFinding::AnswerCutShort:
        return FillIn(KESTRINE_TEXT("DirectoryCheck",
                                    "The server answered (%1), then stopped short of "
                                    "the length it announced."),
                      {status});
    case DirectoryCheckFinding::AnswerFailed:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "The server answered (%1), then the transfer "
                                                      "failed (libcurl error %2)."),
                      {status, std::to_string(result.findingNumber)});
    case DirectoryCheckFinding::NotFoundAnswer:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "Not found (%1)"), {status});
    case DirectoryCheckFinding::RefusedAnswer:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "Refused (%1)"), {status});
    case DirectoryCheckFinding::ServerErrorAnswer:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "Server error (%1)"), {status});
    case DirectoryCheckFinding::UnexpectedAnswer:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "Unexpected answer (%1)"), {status});
    case DirectoryCheckFinding::FieldsMissing:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "Fields missing: %1."),
                      {JoinNames(result.missingFields)});
    case DirectoryCheckFinding::FieldsMissingScript:
        return FillIn(
            KESTRINE_TEXT("DirectoryCheck", "Fields missing: %1 (fields may be made by script)."),
            {JoinNames(result.missingFields)});
    case DirectoryCheckFinding::Moved:
        return FillIn(KESTRINE_TEXT("DirectoryCheck", "Moved to %1."), {result.finalAddress});
    default:
        return TransferMessage(result);
    }
}

} // namespace

std::string DirectoryCheckMessage(const DirectoryCheckResult& result)
{
    if (result.finding == DirectoryCheckFinding::None)
        return result.storedMessage;
    return AnswerMessage(result);
}
