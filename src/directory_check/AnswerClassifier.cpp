#include "directory_check/AnswerClassifier.h"

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

void ClassifyTransferFailure(const PageAnswer& answer, std::chrono::milliseconds deadline,
                             DirectoryCheckResult& result)
{
    result.status = DirectoryCheckStatus::Unreachable;
    if (answer.redirectLoop) {
        result.finding = DirectoryCheckFinding::RedirectLoop;
        return;
    }
    switch (answer.code) {
    case CURLE_OPERATION_TIMEDOUT:
        result.status = DirectoryCheckStatus::Timeout;
        result.finding = answer.deadlinePassed ? DirectoryCheckFinding::NoAnswerInTime
                                               : DirectoryCheckFinding::StoppedAnswering;
        result.findingNumber = answer.deadlinePassed ? deadline.count() : 0;
        return;
    case CURLE_COULDNT_RESOLVE_HOST:
        result.finding = DirectoryCheckFinding::HostNotFound;
        return;
    case CURLE_COULDNT_CONNECT:
        result.finding = DirectoryCheckFinding::ConnectionRefused;
        return;
    case CURLE_TOO_MANY_REDIRECTS:
        result.finding = DirectoryCheckFinding::TooManyRedirects;
        result.findingNumber = kMaxRedirects;
        return;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        result.finding = DirectoryCheckFinding::NotHttp;
        return;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
        result.finding = DirectoryCheckFinding::NoSecureConnection;
        return;
    default:
        result.finding = DirectoryCheckFinding::FetchFailed;
        result.findingNumber = static_cast<int>(answer.code);
    }
}

// The server had begun to answer when the transfer failed: it is there, and the failure may
// pass.
void ClassifyBrokenAnswer(const PageAnswer& answer, DirectoryCheckResult& result)
{
    result.status = DirectoryCheckStatus::ServerError;
    switch (answer.code) {
    case CURLE_RECV_ERROR:
        result.finding = DirectoryCheckFinding::AnswerBroke;
        return;
    case CURLE_PARTIAL_FILE:
        result.finding = DirectoryCheckFinding::AnswerCutShort;
        return;
    default:
        result.finding = DirectoryCheckFinding::AnswerFailed;
        result.findingNumber = static_cast<int>(answer.code);
    }
}

void ClassifyStatus(long status, DirectoryCheckResult& result)
{
    if (status == 404 || status == 410) {
        result.status = DirectoryCheckStatus::NotFound;
        result.finding = DirectoryCheckFinding::NotFoundAnswer;
    } else if (status >= 400 && status < 500) {
        result.status = DirectoryCheckStatus::Refused;
        result.finding = DirectoryCheckFinding::RefusedAnswer;
    } else {
        result.status = DirectoryCheckStatus::ServerError;
        result.finding = status >= 500 ? DirectoryCheckFinding::ServerErrorAnswer
                                       : DirectoryCheckFinding::UnexpectedAnswer;
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
        result.finding = page.hasScript && !page.hasForm
                             ? DirectoryCheckFinding::FieldsMissingScript
                             : DirectoryCheckFinding::FieldsMissing;
    } else if (MovedForGood(answer.statuses)) {
        result.status = DirectoryCheckStatus::Moved;
        result.finding = DirectoryCheckFinding::Moved;
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
