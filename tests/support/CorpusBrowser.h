#pragma once

#include "page_filling/PageDescription.h"
#include "support/LocalHttpServer.h"

#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CBrowserCtrl;
class QWebEngineUrlRequestInterceptor;

// The corpus's pages as the program's browser shows them: one browser for every page, the pages
// served from 127.0.0.1 with their forms numbered (see NumberForms), and nothing fetched from
// anywhere else. The pages' own dialogs are closed at once and their new windows go nowhere.
class CCorpusBrowser final : public QObject
{
    Q_OBJECT

public:
    struct ReadPage
    {
        PageDescription description;
        // For each form the browser shows, in document order, its number in the corpus's count
        // of the page's forms; -1 for a form the page's scripts made.
        std::vector<int> corpusFormOf;
        // Both as the page's scripts told them, to keep for a later run.
        QJsonObject json;

        static ReadPage FromJson(const QJsonObject& json);
    };

    explicit CCorpusBrowser(std::string corpusFolder);
    ~CCorpusBrowser() override;

    // Loads the corpus page `file` ("html/…") and describes it; nullopt when it does not load
    // or answer within `timeoutMs`.
    std::optional<ReadPage> Read(const std::string& file, int timeoutMs);

public slots:
    void IgnoreUrl(const QUrl& url);

private:
    bool Load(const QString& url, int timeoutMs);

    std::string m_corpusFolder;
    LocalHttpServer m_server;
    std::unique_ptr<QWebEngineUrlRequestInterceptor> m_interceptor;
    std::unique_ptr<CBrowserCtrl> m_browser;
    QTimer m_dialogCloser;
};
