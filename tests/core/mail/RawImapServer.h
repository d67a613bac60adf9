#pragma once

#include "support/LoopbackListener.h"

#include <atomic>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

// An IMAP server on 127.0.0.1 that misbehaves after its greeting: it closes the connection,
// falls silent, or floods the client with a million lines. One connection at a time.
class RawImapServer
{
public:
    enum class Conduct
    {
        Drops,
        FallsSilent,
        Floods,
    };

    explicit RawImapServer(Conduct conduct) : m_conduct(conduct)
    {
        m_listener = ListenOnLoopback(m_port, 4);
        if (m_listener < 0)
            return;
        m_thread = std::thread([this] { Serve(); });
    }

    ~RawImapServer()
    {
        m_stopping = true;
        shutdown(m_listener, SHUT_RDWR);
        if (m_thread.joinable())
            m_thread.join();
        close(m_listener);
    }

    std::string Address() const { return "imap://127.0.0.1:" + std::to_string(m_port); }
    // The connections taken so far.
    int Accepted() const { return m_accepted; }

private:
    void Serve()
    {
        for (;;) {
            const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                return;
            ++m_accepted;
            Misbehave(connection);
            close(connection);
        }
    }

    void Misbehave(int connection)
    {
        const std::string greeting = "* OK [CAPABILITY IMAP4rev1 AUTH=PLAIN] ready\r\n";
        send(connection, greeting.data(), greeting.size(), MSG_NOSIGNAL);
        char buffer[1024];
        if (recv(connection, buffer, sizeof buffer, 0) <= 0 || m_conduct == Conduct::Drops)
            return;
        if (m_conduct == Conduct::FallsSilent) {
            // Until the client gives up.
            while (!m_stopping && recv(connection, buffer, sizeof buffer, 0) > 0) {
            }
            return;
        }
        const std::string line = "* OK still thinking about it, please wait a moment longer\r\n";
        for (int sent = 0; sent < 1000000 && !m_stopping; ++sent) {
            if (send(connection, line.data(), line.size(), MSG_NOSIGNAL) < 0)
                return;
        }
    }

    Conduct m_conduct;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_accepted{0};
    std::thread m_thread;
};
