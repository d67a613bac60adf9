#include "ui/browser/FillReportJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

std::optional<FillReport> FillReportFromJson(const QString& json)
{
    return FillReportFromJson(QJsonDocument::fromJson(json.toUtf8()));
}

std::optional<FillReport> FillReportFromJson(const QJsonDocument& document)
{
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject answer = document.object();
    FillReport report;
    report.fieldsTotal = answer.value(QStringLiteral("fieldsTotal")).toInt();
    report.fieldsSet = answer.value(QStringLiteral("fieldsSet")).toInt();
    report.formWatched = answer.value(QStringLiteral("armed")).toBool();
    report.componentsOutOfReach = answer.value(QStringLiteral("components")).toBool();
    for (const QJsonValue& name : answer.value(QStringLiteral("missing")).toArray())
        report.missing.push_back(name.toString().toStdString());
    report.leftForUser = LeftForUserFromJson(answer);
    report.frame = QUrl(answer.value(QStringLiteral("frame")).toString()).host().toStdString();
    report.site = answer.value(QStringLiteral("origin")).toString().toStdString();
    return report;
}

std::vector<std::string> LeftForUserFromJson(const QJsonObject& answer)
{
    std::vector<std::string> captions;
    for (const QJsonValue& caption : answer.value(QStringLiteral("left")).toArray())
        captions.push_back(caption.toString().toStdString());
    return captions;
}
