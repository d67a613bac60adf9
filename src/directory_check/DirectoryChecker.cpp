#include "directory_check/DirectoryChecker.h"

#include "directory_check/AnswerClassifier.h"
#include "directory_check/HostScheduler.h"
#include "history/UtcTime.h"
#include "net/CurlTransfer.h"

#include <cstdlib>
#include <memory>
#include <unordered_map>

namespace {

// How long one wait for network events may last before the loop looks at the cancel flag
// again; Cancel() also wakes it at once.
constexpr int kPollMs = 1000;

} // namespace

struct CDirectoryChecker::Transfer
{
    size_t target = 0;
    CCurlLibrary::EasyHandle curl{nullptr, nullptr};
    PageAnswer answer;
    uint64_t maxBytes = 0;
    bool stoppedReading = false; // the body was left unread on purpose

    bool LastAnswerIsPage() const
    {
        const long status = answer.LastStatus();
        return status >= 200 && status < 300;
    }

    static size_t OnHeader(char* data, size_t size, size_t count, void* user)
    {
        auto& transfer = *static_cast<Transfer*>(user);
        const size_t bytes = size * count;
        // Each answer, redirects included, starts with its status line.
        if (bytes > 9 && std::string_view(data, 5) == "HTTP/") {
            const std::string_view line(data, bytes);
            const size_t space = line.find(' ');
            if (space != std::string_view::npos)
                transfer.answer.statuses.push_back(std::strtol(data + space + 1, nullptr, 10));
        }
        return bytes;
    }

    // Returning fewer bytes than offered makes libcurl end the transfer.
    static size_t OnBody(char* data, size_t size, size_t count, void* user)
    {
        auto& transfer = *static_cast<Transfer*>(user);
        const size_t bytes = size * count;
        // An error page need not be read, and a page's first megabytes hold its form.
        const size_t room = transfer.maxBytes - transfer.answer.body.size();
        if (!transfer.LastAnswerIsPage() || bytes > room) {
            if (transfer.LastAnswerIsPage())
                transfer.answer.body.append(data, room);
            transfer.stoppedReading = true;
            return 0;
        }
        transfer.answer.body.append(data, bytes);
        return bytes;
    }
};

CDirectoryChecker::CDirectoryChecker(DirectoryCheckOptions options, const CCurlLibrary& library,
                                     UtcClock clock)
    : m_options(options), m_library(library),
      m_clock(clock ? std::move(clock) : UtcClock(SystemUtcMilliseconds))
{}

void CDirectoryChecker::Cancel()
{
    m_cancel = true;
    std::lock_guard lock(m_multiMutex);
    if (m_multi)
        m_library.MultiWakeup(m_multi);
}

bool CDirectoryChecker::Run(const std::vector<DirectoryCheckTarget>& targets,
                            const ResultCallback& onResult)
{
    if (!m_library.IsAvailable())
        return false;
    const CCurlLibrary::MultiHandle multi = m_library.MultiInit();
    if (!multi)
        return false;
    m_library.MultiSetopt(multi.get(), CURLMOPT_MAX_HOST_CONNECTIONS,
                          static_cast<long>(m_options.maxPerHost));
    {
        std::lock_guard lock(m_multiMutex);
        m_multi = multi.get();
    }

    CHostScheduler scheduler(m_options.maxPerHost);
    for (size_t i = 0; i < targets.size(); ++i)
        scheduler.Add(i, targets[i].address);
    std::unordered_map<CURL*, std::unique_ptr<Transfer>> running;

    const auto startMore = [&] {
        while (running.size() < m_options.maxTransfers) {
            const std::optional<size_t> next = scheduler.Next();
            if (!next)
                return;
            auto transfer = std::make_unique<Transfer>();
            transfer->target = *next;
            transfer->maxBytes = m_options.limits.maxBytes;
            transfer->curl = m_library.EasyInit();
            CURL* curl = transfer->curl.get();
            if (!curl) {
                scheduler.Finished(*next);
                onResult(*next,
                         ClassifyAnswer(targets[*next], {CURLE_OUT_OF_MEMORY, {}, {}, {}, false},
                                        m_options.limits.deadline, m_clock()));
                continue;
            }
            ApplyTransferOptions(m_library, curl, m_options.limits);
            m_library.EasySetopt(curl, CURLOPT_URL, targets[*next].address.c_str());
            m_library.EasySetopt(curl, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
            m_library.EasySetopt(curl, CURLOPT_HEADERDATA, transfer.get());
            m_library.EasySetopt(curl, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
            m_library.EasySetopt(curl, CURLOPT_WRITEDATA, transfer.get());
            m_library.MultiAddHandle(multi.get(), curl);
            running.emplace(curl, std::move(transfer));
        }
    };

    const auto finish = [&](CURL* curl, CURLcode code) {
        const auto found = running.find(curl);
        if (found == running.end())
            return;
        Transfer& transfer = *found->second;
        PageAnswer& answer = transfer.answer;
        // A body left unread on purpose is no failure of the transfer.
        answer.code = code == CURLE_WRITE_ERROR && transfer.stoppedReading ? CURLE_OK : code;
        answer.finalAddress = TransferText(m_library, curl, CURLINFO_EFFECTIVE_URL);
        curl_off_t elapsedUs = 0;
        m_library.EasyGetinfo(curl, CURLINFO_TOTAL_TIME_T, &elapsedUs);
        answer.deadlinePassed =
            PassedDeadline(code, std::chrono::microseconds(elapsedUs), m_options.limits);
        m_library.MultiRemoveHandle(multi.get(), curl);
        scheduler.Finished(transfer.target);
        const size_t target = transfer.target;
        const DirectoryCheckResult result =
            ClassifyAnswer(targets[target], answer, m_options.limits.deadline, m_clock());
        running.erase(found);
        onResult(target, result);
    };

    startMore();
    while (!running.empty() && !m_cancel) {
        int stillRunning = 0;
        m_library.MultiPerform(multi.get(), &stillRunning);
        int left = 0;
        while (CURLMsg* message = m_library.MultiInfoRead(multi.get(), &left)) {
            if (message->msg == CURLMSG_DONE)
                finish(message->easy_handle, message->data.result);
        }
        startMore();
        if (!running.empty() && !m_cancel)
            m_library.MultiPoll(multi.get(), kPollMs);
    }

    for (auto& [curl, transfer] : running)
        m_library.MultiRemoveHandle(multi.get(), curl);
    {
        std::lock_guard lock(m_multiMutex);
        m_multi = nullptr;
    }
    return !m_cancel && !scheduler.HasWaiting();
}
