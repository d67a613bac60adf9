#pragma once

#include "page_filling/FillReport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// The fill script's report, {fieldsTotal, fieldsSet, missing: [names], armed, left: [captions]};
// nullopt for text that is not such a report.
std::optional<FillReport> FillReportFromJson(const QJsonDocument& json);
std::optional<FillReport> FillReportFromJson(const QString& json);

// The captions of a fill's answer (by rules or by meaning) that are left for the user.
std::vector<std::string> LeftForUserFromJson(const QJsonObject& answer);
