#include "directory_check/AnswerClassifier.h"

#include "common/DurationText.h"
#include "common/TextCatalogue.h"
#include "directory_check/PageFields.h"
#include "net/CurlTransfer.h"

#include <algorithm>

namespace {

// Every hop was 301 or 308: the directory says its page lives elsewhere now. A temporary
// redirect (a login, a load balancer) says nothing about the address.
bool MovedForGood(const std::vector<long>& statuses)
{
    if (statuses.size() < 2)
        return false;
    return std::all_of(statuses.begin(), statuses.end() - 1,
                       [](long status) { return status == 301 || status == 308; });
}

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names)
        joined.append(joined.empty() ? "" : ", ").append(name);
    return joined;
}

void ClassifyTransferFailure(const PageAnswer& answer, std::chrono::milliseconds deadline,
                             DirectoryCheckResult& result)
{
    result.status = DirectoryCheckStatus::Unreachable;
    if (answer.redirectLoop) {
        result.message = KESTRINE_TEXT("DirectoryCheck", "The address redirects in a loop.");
        return;
    }
    switch (answer.code) {
    case CURLE_OPERATION_TIMEDOUT:
        result.status = DirectoryCheckStatus::Timeout;
        result.message =
            answer.deadlinePassed
                ? FillIn(KESTRINE_TEXT("DirectoryCheck", "No complete answer within %1."),
                         {DurationInWords(deadline)})
                : KESTRINE_TEXT("DirectoryCheck", "The server stopped answering.");
        return;
    case CURLE_COULDNT_RESOLVE_HOST:
        result.message = KESTRINE_TEXT("DirectoryCheck", "The server name could not be found.");
        return;
    case CURLE_COULDNT_CONNECT:
        result.message = KESTRINE_TEXT("DirectoryCheck", "The server refused the connection.");
        return;
    case CURLE_TOO_MANY_REDIRECTS:
        result.message = FillIn(
            KESTRINE_TEXT("DirectoryCheck", "The address redirects more than %1 times."),
            {std::to_string(kMaxRedirects)});
        return;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        result.message = KESTRINE_TEXT("DirectoryCheck", "This is not an http or https address.");
        return;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
        result.message =
            KESTRINE_TEXT("DirectoryCheck", "A secure connection to the server could not be made.");
        return;
    default:
        result.message = FillIn(
            KESTRINE_TEXT("DirectoryCheck", "The page could not be fetched (libcurl error %1)."),
            {std::to_string(static_cast<int>(answer.code))});
    }
}

// The server had begun to answer when the transfer failed: it is there, and the failure may
// pass.
void ClassifyBrokenAnswer(const PageAnswer& answer, DirectoryCheckResult& result)
{
    result.status = DirectoryCheckStatus::ServerError;
    const std::string status = std::to_string(answer.LastStatus());
    switch (answer.code) {
    case CURLE_RECV_ERROR:
        result.message = FillIn(
            KESTRINE_TEXT("DirectoryCheck", "The server answered (%1), then the connection broke."),
            {status});
        return;
    case CURLE_PARTIAL_FILE:
        result.message = FillIn(KESTRINE_TEXT("DirectoryCheck",
                                              "The server answered (%1), then stopped short of "
                                              "the length it announced."),
                                {status});
        return;
    default:
        result.message = FillIn(KESTRINE_TEXT("DirectoryCheck",
                                              "The server answered (%1), then the transfer "
                                              "failed (libcurl error %2)."),
                                {status, std::to_string(static_cast<int>(answer.code))});
    }
}

void ClassifyStatus(long status, DirectoryCheckResult& result)
{
    const std::string code = std::to_string(status);
    if (status == 404 || status == 410) {
        result.status = DirectoryCheckStatus::NotFound;
        result.message = FillIn(KESTRINE_TEXT("DirectoryCheck", "Not found (%1)"), {code});
    } else if (status >= 400 && status < 500) {
        result.status = DirectoryCheckStatus::Refused;
        result.message = FillIn(KESTRINE_TEXT("DirectoryCheck", "Refused (%1)"), {code});
    } else {
        result.status = DirectoryCheckStatus::ServerError;
        result.message =
            FillIn(status >= 500 ? KESTRINE_TEXT("DirectoryCheck", "Server error (%1)")
                                 : KESTRINE_TEXT("DirectoryCheck", "Unexpected answer (%1)"),
                   {code});
    }
}

void ClassifyPage(const DirectoryCheckTarget& target, const PageAnswer& answer,
                  DirectoryCheckResult& result)
{
    const PageFields page = ReadPageFields(answer.body);
    for (const FormField& field : target.fields) {
        if (!page.Holds(field) &&
            std::find(result.missingFields.begin(), result.missingFields.end(), field.name) ==
                result.missingFields.end())
            result.missingFields.push_back(field.name);
    }
    if (!result.missingFields.empty()) {
        result.status = DirectoryCheckStatus::FormChanged;
        const std::string names = JoinNames(result.missingFields);
        result.message =
            page.hasScript && !page.hasForm
                ? FillIn(KESTRINE_TEXT("DirectoryCheck",
                                       "Fields missing: %1 (fields may be made by script)."),
                         {names})
                : FillIn(KESTRINE_TEXT("DirectoryCheck", "Fields missing: %1."), {names});
    } else if (MovedForGood(answer.statuses)) {
        result.status = DirectoryCheckStatus::Moved;
        result.message =
            FillIn(KESTRINE_TEXT("DirectoryCheck", "Moved to %1."), {answer.finalAddress});
    } else {
        result.status = DirectoryCheckStatus::Ok;
    }
}

} // namespace

DirectoryCheckResult ClassifyAnswer(const DirectoryCheckTarget& target, const PageAnswer& answer,
                                    std::chrono::milliseconds deadline, int64_t checkedUtcMs)
{
    DirectoryCheckResult result;
    result.name = target.name;
    result.address = target.address;
    result.httpStatus = answer.LastStatus();
    result.finalAddress = answer.finalAddress.empty() ? target.address : answer.finalAddress;
    result.checkedUtcMs = checkedUtcMs;
    const long status = answer.LastStatus();
    if (answer.code != CURLE_OK && answer.code != CURLE_OPERATION_TIMEDOUT &&
        answer.lastAddressAnswered)
        ClassifyBrokenAnswer(answer, result);
    else if (answer.code != CURLE_OK)
        ClassifyTransferFailure(answer, deadline, result);
    else if (status >= 200 && status < 300)
        ClassifyPage(target, answer, result);
    else
        ClassifyStatus(status, result);
    return result;
}
