#pragma once

#include <functional>
#include <string>

class QObject;
class QWebEnginePage;

// Reads the HTML of the page's top-level document, as it stands in the live document tree, as
// UTF-8 bytes.
class CPageHtmlReader final
{
public:
    using Completion = std::function<void(const std::string& html)>;

    explicit CPageHtmlReader(QWebEnginePage& page);

    // `done` runs later on this thread, unless `context` is destroyed first.
    void Read(QObject* context, Completion done) const;

private:
    QWebEnginePage& m_page;
};
