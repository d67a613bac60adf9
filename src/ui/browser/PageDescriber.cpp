#include "ui/browser/PageDescriber.h"

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
    field.label = Text(json, "label");
    field.placeholder = Text(json, "placeholder");
    field.nearbyText = Text(json, "nearbyText");
    field.autocomplete = Text(json, "autocomplete");
    for (const QJsonValue option : json.value(QStringLiteral("options")).toArray())
        field.options.push_back(option.toString().toStdString());
    return field;
}

} // namespace

CPageDescriber::CPageDescriber(CBrowserPage& page) : m_page(page) {}

void CPageDescriber::Describe(QObject* context,
                              std::function<void(const PageDescription&)> done) const
{
    CallPageScript(m_page, QStringLiteral("describe()"), context,
                   [done = std::move(done)](const QJsonDocument& answer) {
                       const QJsonObject json = answer.object();
                       PageDescription page{
                           Text(json, "title"), Text(json, "address"), {}, Text(json, "token")};
                       for (const QJsonValue field : json.value(QStringLiteral("fields")).toArray())
                           page.fields.push_back(FieldFromJson(field.toObject()));
                       done(page);
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
