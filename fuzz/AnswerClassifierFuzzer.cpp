// Judges arbitrary answers, transfer outcomes and pages for arbitrary directories: nothing may
// crash, and the verdict must hang together. Above all, "dead" (the directory is hidden and
// skipped) comes only from a 404 or 410, or from a transfer that failed before the last address
// answered.
#include "directory_check/AnswerClassifier.h"
#include "directory_check/DirectoryCheckMessage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>

namespace {

constexpr int64_t kCheckedUtcMs = 42;

DirectoryCheckTarget MakeTarget(FuzzedDataProvider& input)
{
    DirectoryCheckTarget target;
    target.name = input.ConsumeRandomLengthString(32);
    target.address = input.ConsumeRandomLengthString(64);
    const size_t fields = input.ConsumeIntegralInRange<size_t>(0, 4);
    for (size_t i = 0; i < fields; ++i)
        target.fields.push_back({input.ConsumeRandomLengthString(16), FieldType::Edit,
                                 input.ConsumeIntegralInRange<int32_t>(-1, 3), ""});
    return target;
}

PageAnswer MakeAnswer(FuzzedDataProvider& input)
{
    PageAnswer answer;
    answer.code = static_cast<CURLcode>(input.ConsumeIntegralInRange<int>(0, CURL_LAST));
    const size_t statuses = input.ConsumeIntegralInRange<size_t>(0, 4);
    for (size_t i = 0; i < statuses; ++i)
        answer.statuses.push_back(input.ConsumeIntegralInRange<long>(-1, 999));
    answer.finalAddress = input.ConsumeRandomLengthString(64);
    answer.deadlinePassed = input.ConsumeBool();
    answer.redirectLoop = input.ConsumeBool();
    answer.lastAddressAnswered = input.ConsumeBool();
    return answer;
}

void CheckVerdict(const DirectoryCheckTarget& target, const PageAnswer& answer,
                  const DirectoryCheckResult& result)
{
    const bool same =
        result.name == target.name && result.address == target.address &&
        result.httpStatus == answer.LastStatus() && result.checkedUtcMs == kCheckedUtcMs &&
        result.finalAddress == (answer.finalAddress.empty() ? target.address : answer.finalAddress);
    // A finding other than ok says what it is; missing fields are those of a changed form.
    const bool said =
        result.IsOk() == DirectoryCheckMessage(result).empty() &&
        (result.status == DirectoryCheckStatus::FormChanged) == !result.missingFields.empty();
    if (!same || !said)
        std::abort();
    std::set<std::string> missing;
    for (const std::string& name : result.missingFields) {
        const bool ofTarget =
            std::any_of(target.fields.begin(), target.fields.end(),
                        [&name](const FormField& field) { return field.name == name; });
        if (!ofTarget || !missing.insert(name).second)
            std::abort();
    }
    if (!IsFoundDead(result.status))
        return;
    const bool answeredThenFailed = answer.code != CURLE_OK &&
                                    answer.code != CURLE_OPERATION_TIMEDOUT &&
                                    answer.lastAddressAnswered;
    const bool gone =
        answer.code == CURLE_OK && (answer.LastStatus() == 404 || answer.LastStatus() == 410);
    if (answeredThenFailed || (answer.code == CURLE_OK && !gone))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const DirectoryCheckTarget target = MakeTarget(input);
    PageAnswer answer = MakeAnswer(input);
    const std::chrono::milliseconds deadline(input.ConsumeIntegral<uint32_t>());
    answer.body = input.ConsumeRemainingBytesAsString();
    CheckVerdict(target, answer, ClassifyAnswer(target, answer, deadline, kCheckedUtcMs));
    return 0;
}
