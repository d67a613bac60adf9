#include "ui/browser/PageQuestion.h"

#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageEvents.h"

#include <QPointer>
#include <QTimer>
#include <QWebEngineScript>
#include <memory>
#include <utility>

void AskPageScript(CBrowserPage& page, const std::function<QString(int question)>& call,
                   int timeoutMs, QObject* context,
                   std::function<void(const std::optional<QJsonDocument>& answer)> done)
{
    using Done = std::function<void(const std::optional<QJsonDocument>&)>;
    static int lastQuestion = 0;
    const int question = ++lastQuestion;
    const uint64_t generation = page.DocumentGeneration();

    // Whichever comes first, the answer or the time-out, ends the question.
    auto pending = std::make_shared<Done>(std::move(done));
    auto connection = std::make_shared<QMetaObject::Connection>();
    auto* timer = new QTimer(context);
    timer->setSingleShot(true);
    auto finish = [pending, connection, timer](const std::optional<QJsonDocument>& answer) {
        if (!*pending)
            return;
        const Done run = std::exchange(*pending, Done());
        QObject::disconnect(*connection);
        timer->deleteLater();
        run(answer);
    };
    *connection =
        QObject::connect(page.Events(), &CPageEvents::answerArrived, context,
                         [finish, question, generation, target = QPointer<CBrowserPage>(&page)](
                             int number, const QString& answer) {
                             if (number != question)
                                 return;
                             if (!target || target->DocumentGeneration() != generation)
                                 finish(std::nullopt);
                             else
                                 finish(QJsonDocument::fromJson(answer.toUtf8()));
                         });
    QObject::connect(timer, &QTimer::timeout, context, [finish] { finish(std::nullopt); });
    timer->start(timeoutMs);
    page.runJavaScript(
        QStringLiteral("typeof kestrine === 'object' ? kestrine.%1 : null").arg(call(question)),
        QWebEngineScript::ApplicationWorld);
}
