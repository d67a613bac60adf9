#pragma once

#include "support/WaitUntil.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebEnginePage>
#include <memory>
#include <optional>

// Both helpers wait at most this long for the page's answer; a late answer goes into memory
// the helper shares with the callback, never into a finished stack frame.
inline constexpr int kPageAnswerTimeoutMs = 10000;

// Runs `expression` in the page's own world and returns what JSON.stringify made of it, or
// nullopt when no answer came in time.
inline std::optional<QJsonObject> EvaluateInPage(QWebEnginePage* page, const QString& expression)
{
    auto answer = std::make_shared<std::optional<QString>>();
    page->runJavaScript(QStringLiteral("JSON.stringify(%1)").arg(expression),
                        [answer](const QVariant& result) { *answer = result.toString(); });
    if (!WaitUntil([answer] { return answer->has_value(); }, kPageAnswerTimeoutMs))
        return std::nullopt;
    return QJsonDocument::fromJson((*answer)->toUtf8()).object();
}

// The HTML of the page's live DOM, or an empty string when none came in time.
inline QString PageHtml(QWebEnginePage* page)
{
    auto html = std::make_shared<std::optional<QString>>();
    page->toHtml([html](const QString& text) { *html = text; });
    if (!WaitUntil([html] { return html->has_value(); }, kPageAnswerTimeoutMs))
        return {};
    return **html;
}
