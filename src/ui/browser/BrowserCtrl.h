#pragma once

#include <QWebEngineView>

class CBrowserPage;
class CPageEvents;
class QWebChannel;

// The hosted web browser. The program learns that a page has loaded only by reading the ready
// state; everything it does to a page goes through the document handle, on the QWebChannel
// and scripts that live in the page's isolated ApplicationWorld.
class CBrowserCtrl : public QWebEngineView
{
    Q_OBJECT

public:
    static constexpr int kReadyStateUninitialized = 0;
    static constexpr int kReadyStateLoading = 1;
    static constexpr int kReadyStateComplete = 4;

    explicit CBrowserCtrl(QWidget* parent = nullptr);

    // Opens `url`; false, with the page and its ready state left as they were, when it is no
    // address the browser can show a page for (empty, malformed, javascript:, mailto: …).
    bool Navigate(const QString& url);
    // 4 once the current page has finished loading, 1 while it loads, 0 before the first page.
    int GetReadyState() const;
    // The current page, through which scripts run and the HTML is read; null when there is none.
    CBrowserPage* GetDocument() const;
    // The channel the injected scripts talk to C++ over; objects registered on it are
    // visible only to Kestrine's own scripts, never to the page's.
    QWebChannel* Channel() const;
    // What the page's scripts report unasked: the document ready to fill, late fills.
    CPageEvents* PageEvents() const;

private:
    void InjectScripts();
    void ShowTitleAsName(const QString& title);
    void OnRenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status);

    CBrowserPage* m_page = nullptr;
    QWebChannel* m_channel = nullptr;
    CPageEvents* m_pageEvents = nullptr;
    int m_readyState = kReadyStateUninitialized;
};
