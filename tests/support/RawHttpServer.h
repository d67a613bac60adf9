#pragma once

#include "support/LoopbackListener.h"

#include <arpa/inet.h>
#include <chrono>
#include <map>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

// A server on 127.0.0.1 that answers each path with bytes written as they are, for answers no
// HTTP library sends: interim 1xx answers before the final one, or a connection reset in the
// middle of a page. One connection at a time, one request per connection. Answers are set
// before Start().
class RawHttpServer
{
public:
    struct Answer
    {
        std::string bytes;
        // After the bytes, a pause for the client to read them, then a reset (RST) instead of
        // an orderly close.
        bool reset = false;
    };

    ~RawHttpServer() { Stop(); }

    void Set(const std::string& path, Answer answer) { m_answers[path] = std::move(answer); }
    bool HasAnswers() const { return !m_answers.empty(); }

    void Start()
    {
        m_listener = ListenOnLoopback(m_port);
        if (m_listener < 0)
            return;
        m_thread = std::thread([this] { Serve(); });
    }

    void Stop()
    {
        if (m_listener >= 0)
            shutdown(m_listener, SHUT_RDWR); // ends the accept() the thread waits in
        if (m_thread.joinable())
            m_thread.join();
        if (m_listener >= 0)
            close(m_listener);
        m_listener = -1;
    }

    std::string Url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }

private:
    void Serve()
    {
        for (;;) {
            const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                return;
            AnswerRequest(connection);
        }
    }

    void AnswerRequest(int connection)
    {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            request.append(buffer, static_cast<size_t>(got));
        }
        // "GET /path HTTP/1.1"
        const size_t start = request.find(' ') + 1;
        const auto found = m_answers.find(request.substr(start, request.find(' ', start) - start));
        const Answer answer = found == m_answers.end()
                                  ? Answer{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n"
                                           "Connection: close\r\n\r\n"}
                                  : found->second;
        send(connection, answer.bytes.data(), answer.bytes.size(), MSG_NOSIGNAL);
        if (answer.reset) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const linger abort{1, 0};
            setsockopt(connection, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        }
        close(connection);
    }

    std::map<std::string, Answer> m_answers;
    std::thread m_thread;
    int m_listener = -1;
    int m_port = 0;
};
