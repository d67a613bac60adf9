#include "gui/language/TsCatalogue.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace {

// %1 to %9 and %n, each as often as it occurs, in one order.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The markup's tags ("b", "/b", "a", …), as often as they occur, in one order.
QStringList Tags(const QString& text)
{
    static const QRegularExpression tag(QStringLiteral("<(/?[A-Za-z][A-Za-z0-9:-]*)[^>]*>"));
    QStringList found;
    for (const QRegularExpressionMatch& match : tag.globalMatch(text))
        found.append(match.captured(1).toLower());
    found.sort();
    return found;
}

// The white space a text starts and ends with: a text that is joined to another keeps it.
QPair<QString, QString> OuterSpace(const QString& text)
{
    static const QRegularExpression ends(QStringLiteral("^(\\s*).*?(\\s*)$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = ends.match(text);
    return {match.captured(1), match.captured(2)};
}

// The letter a single & marks, lower case, or a null character; rich text has no mnemonics.
QChar Accelerator(const QString& text)
{
    if (text.contains(QRegularExpression(QStringLiteral("<[A-Za-z/]"))))
        return {};
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (!text[i + 1].isSpace())
            return text[i + 1].toLower();
    }
    return {};
}

void AddRowPerCatalogue()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : TsFiles())
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

// Where the problems are, a line each, at most a screenful.
QString Listed(const QStringList& problems)
{
    return problems.mid(0, 20).join(QLatin1Char('\n')) +
           (problems.size() > 20 ? QStringLiteral("\n… and %1 more").arg(problems.size() - 20)
                                 : QString());
}

} // namespace

// What a translation must keep of its source, checked over every catalogue. Messages not
// translated yet show the source and pass; translation_completeness_test finds those.
class TranslationCatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasItsCatalogue()
    {
        QStringList languages;
        for (const QString& file : TsFiles())
            languages.append(QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1));
        languages.sort();
        QStringList expected{QStringLiteral("de"),   QStringLiteral("es"), QStringLiteral("fr"),
                             QStringLiteral("it"),   QStringLiteral("nl"), QStringLiteral("pl"),
                             QStringLiteral("pt_BR")};
        QCOMPARE(languages, expected);
    }

    void translationsKeepPlaceholdersAndTags_data() { AddRowPerCatalogue(); }

    // A lost %1 drops a name from the message, a lost tag breaks the page it is shown in, a
    // lost space at the end runs two joined texts together.
    void translationsKeepPlaceholdersAndTags()
    {
        QFETCH(QString, file);
        const TsCatalogue catalogue = ReadTsFile(file);
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        QVERIFY(!catalogue.messages.isEmpty());
        QStringList problems;
        for (const TsMessage& message : catalogue.messages) {
            for (const QString& translation : message.translations) {
                if (translation.isEmpty())
                    continue;
                if (Placeholders(translation) != Placeholders(message.source))
                    problems.append(QStringLiteral("%1: placeholders of \"%2\" in \"%3\"")
                                        .arg(message.context, message.source, translation));
                if (Tags(translation) != Tags(message.source))
                    problems.append(QStringLiteral("%1: tags of \"%2\" in \"%3\"")
                                        .arg(message.context, message.source, translation));
                if (OuterSpace(translation) != OuterSpace(message.source))
                    problems.append(QStringLiteral("%1: spaces around \"%2\" in \"%3\"")
                                        .arg(message.context, message.source, translation));
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(Listed(problems)));
    }

    void acceleratorsStayUnique_data() { AddRowPerCatalogue(); }

    // Within a context (a menu bar, a dialog), two texts whose sources mark different letters
    // mark different letters in the translation too, and a marked source stays marked.
    void acceleratorsStayUnique()
    {
        QFETCH(QString, file);
        const TsCatalogue catalogue = ReadTsFile(file);
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        QHash<QString, QList<const TsMessage*>> byContext;
        for (const TsMessage& message : catalogue.messages) {
            if (message.finished && !Accelerator(message.source).isNull())
                byContext[message.context].append(&message);
        }
        QStringList problems;
        for (const QList<const TsMessage*>& messages : std::as_const(byContext)) {
            for (qsizetype i = 0; i < messages.size(); ++i) {
                const TsMessage& one = *messages[i];
                const QChar mark = Accelerator(one.translations.first());
                if (mark.isNull()) {
                    problems.append(QStringLiteral("%1: \"%2\" marks no letter")
                                        .arg(one.context, one.translations.first()));
                    continue;
                }
                for (qsizetype j = i + 1; j < messages.size(); ++j) {
                    const TsMessage& other = *messages[j];
                    if (Accelerator(one.source) != Accelerator(other.source) &&
                        mark == Accelerator(other.translations.first()))
                        problems.append(QStringLiteral("%1: \"%2\" and \"%3\" both mark %4")
                                            .arg(one.context, one.translations.first(),
                                                 other.translations.first(), mark));
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(Listed(problems)));
    }
};

QTEST_GUILESS_MAIN(TranslationCatalogueTest)
#include "TranslationCatalogueTest.moc"
