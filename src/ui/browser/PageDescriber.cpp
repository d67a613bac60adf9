#include "ui/browser/PageDescriber.h"

#include "ui/browser/PageQuestion.h"
#include "ui/browser/PageScriptCall.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

std::string Text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1StringView(key)).toString().toStdString();
}

FieldDescriptor FieldFromJson(const QJsonObject& json)
{
    FieldDescriptor field;
    field.tag = Text(json, "tag");
    field.type = Text(json, "type");
    field.name = Text(json, "name");
    field.id = Text(json, "id");
    field.index = json.value(QStringLiteral("index")).toInt();
    field.ordinal = json.value(QStringLiteral("ordinal")).toInt();
    field.form = json.value(QStringLiteral("form")).toInt(-1);
    field.label = Text(json, "label");
    field.placeholder = Text(json, "placeholder");
    field.nearbyText = Text(json, "nearbyText");
    field.noteAfter = Text(json, "noteAfter");
    field.autocomplete = Text(json, "autocomplete");
    field.title = Text(json, "title");
    field.frame = Text(json, "frame");
    for (const QJsonValue option : json.value(QStringLiteral("options")).toArray())
        field.options.push_back(option.toString().toStdString());
    return field;
}

FormDescriptor FormFromJson(const QJsonObject& json)
{
    FormDescriptor form;
    form.action = Text(json, "action");
    form.id = Text(json, "id");
    form.name = Text(json, "name");
    form.className = Text(json, "className");
    form.searchRole = json.value(QStringLiteral("searchRole")).toBool();
    form.passwordFields = json.value(QStringLiteral("passwords")).toInt();
    for (const QJsonValue button : json.value(QStringLiteral("buttons")).toArray())
        form.buttons.push_back(button.toString().toStdString());
    return form;
}

} // namespace

PageDescription PageDescriptionFromJson(const QJsonObject& json)
{
    PageDescription page;
    page.title = Text(json, "title");
    page.address = Text(json, "address");
    page.token = Text(json, "token");
    for (const QJsonValue field : json.value(QStringLiteral("fields")).toArray())
        page.fields.push_back(FieldFromJson(field.toObject()));
    for (const QJsonValue form : json.value(QStringLiteral("forms")).toArray())
        page.forms.push_back(FormFromJson(form.toObject()));
    return page;
}

CPageDescriber::CPageDescriber(CBrowserPage& page) : m_page(page) {}

void CPageDescriber::Describe(QObject* context,
                              std::function<void(const PageDescription&)> done) const
{
    AskPageScript(
        m_page, [](int question) { return QStringLiteral("describeWithFrames(%1)").arg(question); },
        kFramesAnswerMs, context,
        [done = std::move(done)](const std::optional<QJsonDocument>& answer) {
            if (answer)
                done(PageDescriptionFromJson(answer->object()));
        });
}

void CPageDescriber::ReadGreeting(QObject* context,
                                  std::function<void(const std::string&)> done) const
{
    // A JSON string alone is no JSON document; the script wraps it in an array.
    CallPageScript(m_page, QStringLiteral("confirmationText()"), context,
                   [done = std::move(done)](const QJsonDocument& answer) {
                       done(answer.array().at(0).toString().toStdString());
                   });
}
