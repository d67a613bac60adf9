#include "support/CorpusBrowser.h"

#include "support/FormCorpus.h"
#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageDescriber.h"

#include <QApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineUrlRequestInterceptor>
#include <fstream>
#include <sstream>

namespace {

// Saved pages still name their sites' scripts, styles and images; only this machine answers.
class LocalOnlyInterceptor final : public QWebEngineUrlRequestInterceptor
{
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QUrl url = info.requestUrl();
        const bool web =
            url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
            url.scheme() == QLatin1String("ws") || url.scheme() == QLatin1String("wss");
        if (web && url.host() != QLatin1String("127.0.0.1"))
            info.block(true);
    }
};

std::optional<std::string> FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace

CCorpusBrowser::CCorpusBrowser(std::string corpusFolder)
    : m_corpusFolder(std::move(corpusFolder)),
      m_interceptor(std::make_unique<LocalOnlyInterceptor>())
{
    m_server.server.Get("/(html/[^/]+)",
                        [this](const httplib::Request& request, httplib::Response& response) {
                            const std::optional<std::string> bytes =
                                FileBytes(m_corpusFolder + '/' + request.matches[1].str());
                            if (!bytes) {
                                response.status = 404;
                                return;
                            }
                            // The corpus's pages are UTF-8 whatever their own <meta charset> says;
                            // the header outweighs it.
                            response.set_content(NumberForms(*bytes), "text/html; charset=utf-8");
                        });
    m_server.Start();

    m_browser = std::make_unique<CBrowserCtrl>();
    m_browser->page()->profile()->setUrlRequestInterceptor(m_interceptor.get());
    m_browser->resize(1024, 768);
    m_browser->show();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "IgnoreUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "IgnoreUrl");
    connect(&m_dialogCloser, &QTimer::timeout, this, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    m_dialogCloser.start(50);
}

CCorpusBrowser::~CCorpusBrowser()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    m_browser->page()->profile()->setUrlRequestInterceptor(nullptr);
}

void CCorpusBrowser::IgnoreUrl(const QUrl&) {}

bool CCorpusBrowser::Load(const QString& url, int timeoutMs)
{
    bool finished = false;
    const auto connection = connect(m_browser->GetDocument(), &QWebEnginePage::loadFinished, this,
                                    [&finished] { finished = true; });
    m_browser->Navigate(url);
    const bool loaded = WaitUntil([&finished] { return finished; }, timeoutMs);
    disconnect(connection);
    return loaded;
}

std::optional<CCorpusBrowser::ReadPage> CCorpusBrowser::Read(const std::string& file, int timeoutMs)
{
    if (!Load(QString::fromStdString(m_server.Url('/' + file)), timeoutMs)) {
        m_browser->triggerPageAction(QWebEnginePage::Stop);
        return std::nullopt;
    }
    // The answer may come after the time-out, when this call has returned.
    auto answer = std::make_shared<std::optional<QVariant>>();
    m_browser->GetDocument()->runJavaScript(
        QStringLiteral("JSON.stringify({description: JSON.parse(kestrine.describe()), "
                       "corpusForms: Array.prototype.map.call(document.forms, function (f) {"
                       " return Element.prototype.getAttribute.call(f, '%1'); })})")
            .arg(QLatin1StringView(kFormNumberAttribute)),
        QWebEngineScript::ApplicationWorld, [answer](const QVariant& value) { *answer = value; });
    if (!WaitUntil([&answer] { return answer->has_value(); }, timeoutMs))
        return std::nullopt;
    const QJsonObject json = QJsonDocument::fromJson((*answer)->toString().toUtf8()).object();
    if (json.isEmpty())
        return std::nullopt;
    return ReadPage::FromJson(json);
}

CCorpusBrowser::ReadPage CCorpusBrowser::ReadPage::FromJson(const QJsonObject& json)
{
    ReadPage page{
        PageDescriptionFromJson(json.value(QStringLiteral("description")).toObject()), {}, json};
    for (const QJsonValue number : json.value(QStringLiteral("corpusForms")).toArray())
        page.corpusFormOf.push_back(number.isString() ? number.toString().toInt() : -1);
    return page;
}
