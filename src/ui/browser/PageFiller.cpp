#include "ui/browser/PageFiller.h"

#include "ui/browser/BrowserPage.h"
#include "ui/browser/FillReportJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QWebEngineScript>

namespace {

QString FieldsAsJson(const std::vector<FormField>& fields)
{
    QJsonArray list;
    for (const FormField& field : fields) {
        list.append(QJsonObject{
            {QStringLiteral("name"), QString::fromStdString(field.name)},
            {QStringLiteral("index"), field.index},
            {QStringLiteral("value"), QString::fromStdString(field.value)},
            {QStringLiteral("checkbox"), field.type == FieldType::CheckBox},
        });
    }
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

} // namespace

CPageFiller::CPageFiller(CBrowserPage& page) : m_page(page) {}

void CPageFiller::Fill(const std::vector<FormField>& fields, QObject* context, Completion done)
{
    // The fields travel as a JSON literal: values hold quotes, backslashes and line breaks that
    // must never become code. A document without Kestrine's scripts (a plain-text view, an
    // error page) is left alone.
    const QString script = QStringLiteral("typeof kestrine === 'object' ? kestrine.fill(") +
                           FieldsAsJson(fields) + QStringLiteral(") : null");
    const uint64_t generation = m_page.DocumentGeneration();
    QPointer<CBrowserPage> page = &m_page;
    QPointer<QObject> guard = context;
    const auto onResult = [page, guard, generation,
                           done = std::move(done)](const QVariant& result) {
        // A page being destroyed answers with nothing and must not be touched then.
        if (result.typeId() != QMetaType::QString || !page ||
            page->DocumentGeneration() != generation)
            return;
        const FillReport report = FillReportFromJson(result.toString()).value_or(FillReport{});
        if (report.formWatched)
            page->ArmSubmissionFallback(generation);
        if (guard && done)
            done(report);
    };
    m_page.runJavaScript(script, QWebEngineScript::ApplicationWorld, onResult);
}
