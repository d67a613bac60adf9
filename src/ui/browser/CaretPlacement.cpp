#include "ui/browser/CaretPlacement.h"

#include "ui/browser/PageScriptCall.h"

#include <QJsonArray>

void PlaceCaretForUser(CBrowserPage& page, QObject* context,
                       std::function<void(CaretPlace place)> done)
{
    CallPageScript(page, QStringLiteral("focusLeft()"), context,
                   [done = std::move(done)](const QJsonDocument& answer) {
                       const QString place = answer.array().first().toString();
                       if (place == QLatin1String("field"))
                           done(CaretPlace::Field);
                       else if (place == QLatin1String("submit"))
                           done(CaretPlace::SubmitButton);
                       else if (place == QLatin1String("frame"))
                           done(CaretPlace::InFrame);
                       else if (place == QLatin1String("touched"))
                           done(CaretPlace::KeptByUser);
                       else
                           done(CaretPlace::Nowhere);
                   });
}
