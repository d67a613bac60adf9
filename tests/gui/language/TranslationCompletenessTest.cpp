#include "gui/language/TsCatalogue.h"

#include <QFileInfo>
#include <QTest>

// Every message of every catalogue is translated: a language is offered whole or not at all.
class TranslationCompletenessTest : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageIsFinished_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : TsFiles())
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    void everyMessageIsFinished()
    {
        QFETCH(QString, file);
        const TsCatalogue catalogue = ReadTsFile(file);
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        QStringList unfinished;
        for (const TsMessage& message : catalogue.messages) {
            if (!message.finished)
                unfinished.append(message.context + QStringLiteral(": ") + message.source);
        }
        QVERIFY2(unfinished.isEmpty(),
                 qPrintable(QStringLiteral("%1 of %2 messages unfinished, the first: %3")
                                .arg(unfinished.size())
                                .arg(catalogue.messages.size())
                                .arg(unfinished.value(0))));
    }
};

QTEST_GUILESS_MAIN(TranslationCompletenessTest)
#include "TranslationCompletenessTest.moc"
