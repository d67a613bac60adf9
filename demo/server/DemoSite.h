#pragma once

#include "DemoSubmission.h"
#include "SubmissionLog.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct DemoDirectory;

// Kestrine's demo vendor site (start page, user guide, contact page, database update) and its
// RSS directories, served on 127.0.0.1 from a thread of its own.
class CDemoSite final
{
public:
    // Receives one line per answered request.
    using RequestLog = std::function<void(const std::string& line)>;

    explicit CDemoSite(RequestLog log = {});
    ~CDemoSite();

    CDemoSite(const CDemoSite&) = delete;
    CDemoSite& operator=(const CDemoSite&) = delete;

    // Listens on 127.0.0.1:`port`, or on any free port when it is 0. False when the port cannot
    // be had. The site answers as soon as this returns.
    bool Start(int port = 0);
    // Cuts short the answers still being delayed and stops serving. Calling it again is harmless.
    void Stop();

    int Port() const { return m_port; }
    // "127.0.0.1:port", the form in which a vendor host is given.
    std::string HostAndPort() const;
    // What the directories received, oldest first.
    std::vector<DemoSubmission> Submissions() const { return m_submissions.All(); }

private:
    void AddVendorPages();
    void AddDirectory(const DemoDirectory& directory);
    void Receive(const DemoDirectory& directory, const httplib::Request& request,
                 httplib::Response& response);
    // False when the site began to stop before `delay` was over.
    bool WaitUnlessStopping(std::chrono::milliseconds delay);

    httplib::Server m_server;
    CSubmissionLog m_submissions;
    RequestLog m_log;
    std::thread m_thread;
    int m_port = 0;
    std::mutex m_stopMutex;
    std::condition_variable m_stopSignal;
    bool m_stopping = false;
};
