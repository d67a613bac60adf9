#include "ui/browser/PageScriptCall.h"

#include "ui/browser/BrowserPage.h"

#include <QPointer>
#include <QWebEngineScript>

void CallPageScript(CBrowserPage& page, const QString& call, QObject* context,
                    std::function<void(const QJsonDocument& answer)> done)
{
    const QString script = QStringLiteral("typeof kestrine === 'object' ? kestrine.") + call +
                           QStringLiteral(" : null");
    const uint64_t generation = page.DocumentGeneration();
    QPointer<CBrowserPage> target = &page;
    QPointer<QObject> guard = context;
    page.runJavaScript(script, QWebEngineScript::ApplicationWorld,
                       [target, guard, generation, done = std::move(done)](const QVariant& result) {
                           if (result.typeId() != QMetaType::QString || !target || !guard ||
                               target->DocumentGeneration() != generation)
                               return;
                           done(QJsonDocument::fromJson(result.toString().toUtf8()));
                       });
}

QString JsonLiteral(const QJsonDocument& value)
{
    return QString::fromUtf8(value.toJson(QJsonDocument::Compact));
}
