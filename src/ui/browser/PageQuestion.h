#pragma once

#include <QJsonDocument>
#include <QString>
#include <functional>
#include <optional>

class CBrowserPage;
class QObject;

// Time enough for the scripts to ask every frame of a page: a frame that does not answer
// within a second is passed over.
inline constexpr int kFramesAnswerMs = 15000;

// Asks the page's scripts a question whose answer takes time: one that asks the page's frames,
// or waits for the page to change. `call` gives the call to Kestrine's scripts that asks
// question number `question`; the scripts answer through the page events with that number.
// `done` runs once, while `context` exists: with the answer, or with nothing when none came
// within `timeoutMs` or the page has moved on to another document.
void AskPageScript(CBrowserPage& page, const std::function<QString(int question)>& call,
                   int timeoutMs, QObject* context,
                   std::function<void(const std::optional<QJsonDocument>& answer)> done);
