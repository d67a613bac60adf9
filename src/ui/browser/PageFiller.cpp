#include "ui/browser/PageFiller.h"

#include "ui/browser/BrowserPage.h"
#include "ui/browser/CategoryFill.h"
#include "ui/browser/FillReportJson.h"
#include "ui/browser/PageQuestion.h"
#include "ui/browser/PageScriptCall.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>

namespace {

QString RoleName(FieldRole role)
{
    switch (role) {
    case FieldRole::Feed:
        return QStringLiteral("feed");
    case FieldRole::Contact:
        return QStringLiteral("contact");
    case FieldRole::Other:
        break;
    }
    return QStringLiteral("other");
}

QJsonDocument FieldsAsJson(const std::vector<FormField>& fields,
                           const std::vector<FieldRole>& roles)
{
    QJsonArray list;
    for (size_t i = 0; i < fields.size(); ++i) {
        const FormField& field = fields[i];
        list.append(QJsonObject{
            {QStringLiteral("name"), QString::fromStdString(field.name)},
            {QStringLiteral("index"), field.index},
            {QStringLiteral("value"), QString::fromStdString(field.value)},
            {QStringLiteral("checkbox"), field.type == FieldType::CheckBox},
            {QStringLiteral("role"), RoleName(i < roles.size() ? roles[i] : FieldRole::Other)},
        });
    }
    return QJsonDocument(list);
}

QJsonDocument ValuesAsJson(const std::vector<CPageFiller::MeaningValue>& values)
{
    QJsonArray list;
    for (const CPageFiller::MeaningValue& value : values) {
        list.append(QJsonObject{
            {QStringLiteral("ordinal"), value.ordinal},
            {QStringLiteral("value"), QString::fromStdString(value.value)},
            {QStringLiteral("role"), RoleName(value.role)},
        });
    }
    return QJsonDocument(list);
}

// A watched form's submission by the page's own form.submit() fires no event, so the page
// notices the navigation it starts instead. Requests count for the submission only from the
// document that got the values.
void ArmIfWatched(CBrowserPage& page, uint64_t generation, const QJsonObject& answer)
{
    page.NoteFilledSite(generation, answer.value(QStringLiteral("origin")).toString());
    if (answer.value(QStringLiteral("armed")).toBool())
        page.ArmSubmissionFallback(generation);
}

} // namespace

CPageFiller::CPageFiller(CBrowserPage& page) : m_page(page) {}

void CPageFiller::Fill(const std::vector<FormField>& fields, QObject* context, Completion done,
                       const std::vector<FieldRole>& roles, std::optional<CategoryProfile> category,
                       ChosenCategory chosenBefore)
{
    const uint64_t generation = m_page.DocumentGeneration();
    QPointer<CBrowserPage> page = &m_page;
    const QString json = JsonLiteral(FieldsAsJson(fields, roles));
    const QString call = category ? QStringLiteral("fillAndTellLists(%1, %1)").arg(json)
                                  : QStringLiteral("fill(%1)").arg(json);
    CallPageScript(
        m_page, call, context,
        [page, generation, category = std::move(category), chosenBefore = std::move(chosenBefore),
         done = std::move(done)](const QJsonDocument& answer) {
            ArmIfWatched(*page, generation, answer.object());
            FillReport report = FillReportFromJson(answer).value_or(FillReport{});
            if (category) {
                ChooseCategoryLists(*page, answer.object().value(QStringLiteral("lists")).toArray(),
                                    *category, chosenBefore, page, report);
            }
            if (done)
                done(report);
        });
}

void CPageFiller::FillByMeaning(const std::string& descriptionToken,
                                const std::vector<MeaningValue>& values, QObject* context,
                                MeaningCompletion done)
{
    const uint64_t generation = m_page.DocumentGeneration();
    QPointer<CBrowserPage> page = &m_page;
    const QJsonDocument token(QJsonArray{QString::fromStdString(descriptionToken)});
    const QString valuesJson = JsonLiteral(ValuesAsJson(values));
    const auto call = [token, valuesJson](int question) {
        return QStringLiteral("fillByMeaning(%1, %2[0], %3)")
            .arg(QString::number(question), JsonLiteral(token), valuesJson);
    };
    AskPageScript(
        m_page, call, kFramesAnswerMs, context,
        [page, generation, done = std::move(done)](const std::optional<QJsonDocument>& answer) {
            if (!answer || !page)
                return;
            const QJsonObject outcome = answer->object();
            ArmIfWatched(*page, generation, outcome);
            MeaningOutcome result;
            for (const QJsonValue ordinal : outcome.value(QStringLiteral("filled")).toArray())
                result.filled.push_back(ordinal.toInt());
            result.kept = outcome.value(QStringLiteral("kept")).toInt();
            result.leftForUser = LeftForUserFromJson(outcome);
            if (done)
                done(result);
        });
}
