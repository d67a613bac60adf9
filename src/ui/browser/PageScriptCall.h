#pragma once

#include <QJsonDocument>
#include <QString>
#include <functional>

class CBrowserPage;
class QObject;

// Runs a call to Kestrine's scripts in the page's isolated world. A document without those
// scripts (a plain-text view, an error page) answers with nothing, and `done` does not run.
// `done` gets the call's JSON answer, and runs only while `context` exists and the page still
// shows the document the call ran on; a page being destroyed answers with nothing as well.
void CallPageScript(CBrowserPage& page, const QString& call, QObject* context,
                    std::function<void(const QJsonDocument& answer)> done);

// `value` as a JavaScript literal: data crosses into the page's scripts as JSON, never spliced
// into code, since it holds quotes, backslashes and line breaks.
QString JsonLiteral(const QJsonDocument& value);
