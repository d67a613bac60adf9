#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QString>
#include <QTcpSocket>
#include <QUrl>
#include <httplib.h>

// The page a program's browser engine shows, seen through the engine's remote debugging on
// 127.0.0.1 (QTWEBENGINE_REMOTE_DEBUGGING): what a test of the installed program can observe
// of its browser from outside the process.
class DevToolsPage
{
public:
    explicit DevToolsPage(int port) : m_port(port) {}

    // The shown page's title; empty while there is none.
    QString Title() const { return Page()[QStringLiteral("title")].toString(); }

    // Runs `expression` in the shown page, over the debugging protocol's web socket; false when
    // it could not be sent.
    bool Run(const QString& expression) const
    {
        const QUrl socketUrl(Page()[QStringLiteral("webSocketDebuggerUrl")].toString());
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(m_port));
        if (!socket.waitForConnected(5000))
            return false;
        QByteArray key(16, '\0');
        for (char& byte : key)
            byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
        socket.write("GET " + socketUrl.path().toUtf8() +
                     " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                     "Sec-WebSocket-Version: 13\r\nSec-WebSocket-Key: " +
                     key.toBase64() + "\r\n\r\n");
        QByteArray answer;
        while (!answer.contains("\r\n\r\n") && socket.waitForReadyRead(5000))
            answer += socket.readAll();
        if (!answer.startsWith("HTTP/1.1 101"))
            return false;
        const QJsonObject call{
            {QStringLiteral("id"), 1},
            {QStringLiteral("method"), QStringLiteral("Runtime.evaluate")},
            {QStringLiteral("params"), QJsonObject{{QStringLiteral("expression"), expression}}}};
        socket.write(MaskedTextFrame(QJsonDocument(call).toJson(QJsonDocument::Compact)));
        // The answer shows that the call ran.
        return socket.waitForBytesWritten(5000) && socket.waitForReadyRead(5000);
    }

private:
    QJsonObject Page() const
    {
        httplib::Client engine("127.0.0.1", m_port);
        engine.set_connection_timeout(1);
        const httplib::Result pages = engine.Get("/json/list");
        if (!pages || pages->status != 200)
            return {};
        for (const QJsonValue page :
             QJsonDocument::fromJson(QByteArray::fromStdString(pages->body)).array()) {
            if (page[QStringLiteral("type")] == QStringLiteral("page"))
                return page.toObject();
        }
        return {};
    }

    // A client's frame: final, text, masked as the protocol requires of clients.
    static QByteArray MaskedTextFrame(const QByteArray& payload)
    {
        QByteArray frame("\x81", 1);
        if (payload.size() < 126) {
            frame += static_cast<char>(0x80 | payload.size());
        } else {
            frame += static_cast<char>(0x80 | 126);
            frame += static_cast<char>((payload.size() >> 8) & 0xff);
            frame += static_cast<char>(payload.size() & 0xff);
        }
        const quint32 mask = QRandomGenerator::global()->generate();
        const char maskBytes[4] = {static_cast<char>(mask >> 24), static_cast<char>(mask >> 16),
                                   static_cast<char>(mask >> 8), static_cast<char>(mask)};
        frame.append(maskBytes, 4);
        for (qsizetype i = 0; i < payload.size(); ++i)
            frame += static_cast<char>(payload[i] ^ maskBytes[i % 4]);
        return frame;
    }

    int m_port;
};
