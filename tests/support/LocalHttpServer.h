#pragma once

#include <httplib.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// An HTTP server on 127.0.0.1 with an ephemeral port, for tests. Routes are set on `server`
// before Start(); every request that reaches it is remembered.
class LocalHttpServer
{
public:
    struct Request
    {
        std::string method;
        std::string path;
        std::string query; // the raw text after '?'
        std::string body;
        httplib::Headers headers;
    };

    LocalHttpServer()
    {
        // One request per connection. The browser engine keeps idle connections open, and a
        // server thread waits on each for its next request for up to 5 s, so stopping the
        // server took 5 s. A reused connection also held each response about 40 ms: the body
        // waited behind the headers for the client's delayed acknowledgement.
        server.set_keep_alive_max_count(1);
        server.set_logger([this](const httplib::Request& request, const httplib::Response&) {
            std::lock_guard lock(m_mutex);
            std::string query;
            const size_t mark = request.target.find('?');
            if (mark != std::string::npos)
                query = request.target.substr(mark + 1);
            m_requests.push_back(
                {request.method, request.path, query, request.body, request.headers});
        });
    }

    ~LocalHttpServer() { Stop(); }

    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    void Start()
    {
        m_port = server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { server.listen_after_bind(); });
        // The socket listens once bound, but stop() is ignored until the accept loop runs.
        while (!server.is_running())
            std::this_thread::yield();
    }

    void Stop()
    {
        if (m_thread.joinable()) {
            server.stop();
            m_thread.join();
        }
    }

    int Port() const { return m_port; }
    // "127.0.0.1:port", the form a vendor host takes.
    std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(m_port); }
    std::string Url(const std::string& path) const { return "http://" + HostAndPort() + path; }

    std::vector<Request> Requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

    httplib::Server server;

private:
    mutable std::mutex m_mutex;
    std::vector<Request> m_requests;
    std::thread m_thread;
    int m_port = 0;
};
