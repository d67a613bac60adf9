#pragma once

#include "page_filling/FillReport.h"

#include <QJsonDocument>
#include <QString>
#include <optional>

// The fill script's report, {fieldsTotal, fieldsSet, missing: [names], armed}; nullopt for
// text that is not such a report.
std::optional<FillReport> FillReportFromJson(const QJsonDocument& json);
std::optional<FillReport> FillReportFromJson(const QString& json);
