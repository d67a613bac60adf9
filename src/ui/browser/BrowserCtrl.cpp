#include "ui/browser/BrowserCtrl.h"

#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageEvents.h"

#include <QRandomGenerator>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineUrlScheme>

// The scripts are resources of this library; linked from a static library nothing would refer
// to them, and the linker would leave them out.
static void RegisterScriptResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kestrine_browser_scripts);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// Every frame, of the page's own site or another, runs Kestrine's scripts in its own isolated
// world; only the top document's scripts reach the channel.
QWebEngineScript ApplicationWorldScript(const QString& name, const QString& sourceUrl,
                                        bool inEveryFrame = true)
{
    QWebEngineScript script;
    script.setName(name);
    script.setSourceUrl(QUrl(sourceUrl));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(inEveryFrame);
    return script;
}

// An address the engine turns into a page of its own. It refuses others without a word (no
// load starts and none finishes) or hands them to the desktop while the old page stays.
bool CanShow(const QUrl& url)
{
    if (!url.isValid() || url.isRelative())
        return false;
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    // Schemes the program registered for its own pages (res:) are shown as well.
    return scheme == QLatin1String("file") || scheme == QLatin1String("about") ||
           scheme == QLatin1String("data") || scheme == QLatin1String("qrc") ||
           !QWebEngineUrlScheme::schemeByName(scheme.toLatin1()).name().isEmpty();
}

// 32 random bytes in hex: a fresh key for every browser.
QString NewMessageKey()
{
    quint32 words[8];
    QRandomGenerator::system()->fillRange(words);
    QString key;
    for (quint32 word : words)
        key += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    return key;
}

} // namespace

CBrowserCtrl::CBrowserCtrl(QWidget* parent)
    : QWebEngineView(parent), m_page(new CBrowserPage(this)), m_channel(new QWebChannel(this)),
      m_pageEvents(m_page->Events())
{
    RegisterScriptResources();
    setPage(m_page);
    m_channel->registerObject(QStringLiteral("pageEvents"), m_pageEvents);
    m_page->setWebChannel(m_channel, QWebEngineScript::ApplicationWorld);
    InjectScripts();
    // A form that only late fields brought is watched like one filled at once.
    connect(m_pageEvents, &CPageEvents::fillReported, this, [this](const FillReport& report) {
        m_page->NoteFilledSite(m_page->DocumentGeneration(), QString::fromStdString(report.site));
        if (report.formWatched)
            m_page->ArmSubmissionFallback(m_page->DocumentGeneration());
    });
    // Heard before the submission's navigation reaches the page, which then knows whose it is.
    connect(m_pageEvents, &CPageEvents::formSubmitting, m_page,
            &CBrowserPage::NoteFormDataCollected);

    // A screen reader names the browser area by the page it shows.
    ShowTitleAsName(QString());
    connect(this, &QWebEngineView::titleChanged, this, &CBrowserCtrl::ShowTitleAsName);

    connect(m_page, &QWebEnginePage::loadStarted, this,
            [this] { m_readyState = kReadyStateLoading; });
    // A page that fails to load still ends on an error page, which counts as complete.
    connect(m_page, &QWebEnginePage::loadFinished, this,
            [this] { m_readyState = kReadyStateComplete; });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                OnRenderProcessTerminated(status);
            });
}

void CBrowserCtrl::InjectScripts()
{
    // The channel's client library first: Kestrine's own scripts build on it.
    QWebEngineScriptCollection& scripts = m_page->scripts();
    scripts.insert(ApplicationWorldScript(QStringLiteral("qwebchannel"),
                                          QStringLiteral("qrc:///qtwebchannel/qwebchannel.js"),
                                          false));
    scripts.insert(ApplicationWorldScript(QStringLiteral("kestrine-bridge"),
                                          QStringLiteral("qrc:///kestrine/js/bridge.js")));
    // The key that authenticates the messages between the frames' scripts lives only in the
    // source of the scripts themselves, which no page script can read.
    QWebEngineScript key = ApplicationWorldScript(QStringLiteral("kestrine-key"), QString());
    key.setSourceCode(QStringLiteral("kestrine.key = \"%1\";").arg(NewMessageKey()));
    scripts.insert(key);
    for (const char* name : {"mac", "fields", "frames", "visible", "values", "submission", "fill",
                             "captions", "describe", "confirmation", "left", "category"}) {
        scripts.insert(ApplicationWorldScript(
            QStringLiteral("kestrine-") + QLatin1String(name),
            QStringLiteral("qrc:///kestrine/js/%1.js").arg(QLatin1String(name))));
    }
}

void CBrowserCtrl::ShowTitleAsName(const QString& title)
{
    setAccessibleName(title.isEmpty() ? tr("Web page") : title);
}

bool CBrowserCtrl::Navigate(const QString& url)
{
    const QUrl address(url);
    if (!CanShow(address))
        return false;
    // The engine reports the start of the load a moment later; until then the old page must
    // not look complete, or the new directory's fields would go into the previous page.
    m_readyState = kReadyStateLoading;
    m_page->Open(address);
    return true;
}

int CBrowserCtrl::GetReadyState() const
{
    // isLoading() turns true as soon as the engine starts a load (a meta refresh, a link),
    // before the queued loadStarted reaches this object.
    if (m_readyState == kReadyStateComplete && m_page->isLoading())
        return kReadyStateLoading;
    return m_readyState;
}

CBrowserPage* CBrowserCtrl::GetDocument() const
{
    return m_page;
}

QWebChannel* CBrowserCtrl::Channel() const
{
    return m_channel;
}

CPageEvents* CBrowserCtrl::PageEvents() const
{
    return m_pageEvents;
}

void CBrowserCtrl::OnRenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // Reloading a page that brings its renderer down would do so again and again; a plain
    // page of our own breaks that loop and leaves the program usable.
    m_page->OpenHtml(QStringLiteral("<html><body><p>%1</p></body></html>")
                         .arg(tr("This page stopped working. Choose the directory again to "
                                 "reload it.")
                                  .toHtmlEscaped()));
}
