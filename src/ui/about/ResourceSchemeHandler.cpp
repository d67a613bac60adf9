#include "ui/about/ResourceSchemeHandler.h"

#include "ui/about/ResourceScheme.h"
#include "ui/language/InterfaceLanguage.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>

namespace {

// The resource path of the page called `name` (any case) in `folder`, or an empty string.
QString FindPageIn(const QString& folder, const QString& name)
{
    const QDir pages(folder);
    for (const QString& page : pages.entryList(QDir::Files)) {
        if (page.compare(name, Qt::CaseInsensitive) == 0)
            return pages.filePath(page);
    }
    return {};
}

// The page in the language of the interface, or the English one where it has no copy of its
// own (a page not translated yet, the style sheet that every language shares).
QString FindPage(const QString& name)
{
    if (name.isEmpty())
        return {};
    const QString translated =
        FindPageIn(QStringLiteral(":/pages/%1").arg(CInterfaceLanguage::Current()), name);
    return translated.isEmpty() ? FindPageIn(QStringLiteral(":/pages"), name) : translated;
}

} // namespace

CResourceSchemeHandler::CResourceSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent)
{}

void CResourceSchemeHandler::InstallOn(QWebEngineProfile* profile)
{
    if (profile->urlSchemeHandler(kResourceScheme) == nullptr)
        profile->installUrlSchemeHandler(kResourceScheme, new CResourceSchemeHandler(profile));
}

void CResourceSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    if (job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString name = job->requestUrl().path(QUrl::FullyDecoded).section(QLatin1Char('/'), -1);
    const QString path = FindPage(name);
    if (path.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job reads the file on another thread until it is destroyed, so the job owns it.
    auto* file = new QFile(path, job);
    if (!file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    job->reply(type.name().toUtf8(), file);
}
