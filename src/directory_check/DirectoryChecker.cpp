#include "directory_check/DirectoryChecker.h"

#include "directory_check/AnswerClassifier.h"
#include "directory_check/AnswerReader.h"
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
    Transfer(size_t target, const CCurlLibrary& library, uint64_t maxBytes)
        : target(target), library(library), curl(library.EasyInit()), reader(maxBytes)
    {}

    size_t target;
    const CCurlLibrary& library;
    CCurlLibrary::EasyHandle curl;
    CAnswerReader reader;

    // Returning fewer bytes than offered makes libcurl end the transfer.
    static size_t OnHeader(char* data, size_t size, size_t count, void* user)
    {
        auto& transfer = *static_cast<Transfer*>(user);
        const size_t bytes = size * count;
        const std::string address =
            TransferText(transfer.library, transfer.curl.get(), CURLINFO_EFFECTIVE_URL);
        return transfer.reader.OnHeaderLine({data, bytes}, address) ? bytes : 0;
    }

    static size_t OnBody(char* data, size_t size, size_t count, void* user)
    {
        auto& transfer = *static_cast<Transfer*>(user);
        const size_t bytes = size * count;
        return transfer.reader.OnBody({data, bytes}) ? bytes : 0;
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
    // The scheduler alone keeps the limit per server. libcurl's own limit would hold a transfer
    // in its queue with its deadline already running, and, behind a proxy, count every server
    // as the proxy.
    {
        std::lock_guard lock(m_multiMutex);
        m_multi = multi.get();
    }

    CHostScheduler scheduler(m_options.maxPerHost);
    for (size_t i = 0; i < targets.size(); ++i)
        scheduler.Add(i, ServerOf(m_library, targets[i].address));
    std::unordered_map<CURL*, std::unique_ptr<Transfer>> running;

    const auto startMore = [&] {
        while (running.size() < m_options.maxTransfers) {
            const std::optional<size_t> next = scheduler.Next();
            if (!next)
                return;
            auto transfer = std::make_unique<Transfer>(*next, m_library, m_options.limits.maxBytes);
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
            // Kept for the transfer's life, as on a browser's first visit: a site that sets a
            // cookie and sends the browser back answers the second time.
            m_library.EasySetopt(curl, CURLOPT_COOKIEFILE, "");
            // A proxy's "200 Connection established" is no answer of the directory's.
            m_library.EasySetopt(curl, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
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
        PageAnswer& answer = transfer.reader.Answer();
        // A body left unread on purpose is no failure of the transfer.
        answer.code =
            code == CURLE_WRITE_ERROR && transfer.reader.StoppedReading() ? CURLE_OK : code;
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
