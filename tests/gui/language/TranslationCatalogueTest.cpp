#include "gui/language/TsCatalogue.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

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

// The language of a catalogue's file name: "pt_BR" for kestrine_pt_BR.ts.
QString LanguageOf(const QString& file)
{
    return QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1);
}

// Counts whose forms differ in every language: one, few, many, and the teens' and twenties'.
constexpr int kCounts[] = {1, 2, 5, 21, 22};

// Mistakes of agreement that a count's form must never make, per language: a noun or
// participle in the plural after "1", in the singular after a larger count, a verb that
// agrees with the total where the text counts something else. Polish takes the genitive after
// "z" ("z 2 katalogów"), so those are left to the forms of that count.
const QHash<QString, QStringList>& AgreementMistakes()
{
    static const QHash<QString, QStringList> mistakes{
        {QStringLiteral("de"),
         {QStringLiteral("\\b1 (Felder|Feldern|Verzeichnisse|Verzeichnissen|Profile|Einträge|"
                         "Einträgen|Bytes|Tabs|Tage|Ergebnisse|Sekunden)\\b"),
          QStringLiteral("\\b1 der \\w+ wurden\\b"),
          QStringLiteral("\\b(2|5|21|22) (Feld|Verzeichnis|Profil|Eintrag|Byte|Tab|Tag|Ergebnis|"
                         "Sekunde)\\b")}},
        {QStringLiteral("fr"),
         {QStringLiteral("\\b1 (champs|annuaires|profils|éléments|octets|onglets|jours|secondes|"
                         "résultats|formulaires|erreurs|délais)\\b"),
          QStringLiteral("\\b1 \\w+ sur \\d+ \\w+s\\b"),
          QStringLiteral("\\b(2|5|21|22) (champ|annuaire|profil|élément|octet|onglet|jour|seconde|"
                         "résultat|formulaire|erreur|délai)\\b")}},
        {QStringLiteral("es"),
         {QStringLiteral("\\b1 (campos|directorios|perfiles|elementos|bytes|pestañas|días|"
                         "segundos|resultados|formularios|errores)\\b"),
          QStringLiteral("\\b1 de los \\w+ se \\w+ron\\b"),
          QStringLiteral("\\b(2|5|21|22) (campo|directorio|perfil|elemento|byte|pestaña|día|"
                         "segundo|resultado|formulario|error)\\b")}},
        {QStringLiteral("it"),
         {QStringLiteral("\\b1 (campi|profili|elementi|schede|moduli|giorni|secondi|risultati|"
                         "errori)\\b"),
          QStringLiteral("\\b(Compilati|Verificate|Inviate|Controllate)\\s+1\\b"),
          QStringLiteral("\\b1 directory [^,.:;]*\\b(inviate|verificate|compilate|scritte)\\b"),
          QStringLiteral("\\b(2|5|21|22) (campo|profilo|elemento|scheda|modulo|giorno|secondo|"
                         "risultato|errore)\\b")}},
        {QStringLiteral("pt_BR"),
         {QStringLiteral("\\b1 (campos|diretórios|perfis|itens|bytes|abas|dias|segundos|"
                         "resultados|formulários|erros)\\b"),
          QStringLiteral("\\b1 dos \\w+ foram\\b"),
          QStringLiteral("\\b(2|5|21|22) (campo|diretório|perfil|item|byte|aba|dia|segundo|"
                         "resultado|formulário|erro)\\b")}},
        {QStringLiteral("nl"),
         {QStringLiteral("\\b1 (velden|directory's|profielen|items|bytes|tabbladen|dagen|"
                         "seconden|resultaten|formulieren|serverfouten)\\b"),
          QStringLiteral("\\b1 van de \\w+ zijn\\b"),
          QStringLiteral("\\b(2|5|21|22) (veld|directory(?!')|profiel|item|byte|tabblad|dag|"
                         "seconde|resultaat|formulier|serverfout)\\b")}},
        {QStringLiteral("pl"),
         {QStringLiteral(
              "(?<!\\bz )\\b1 (katalogi|katalogów|pola|pól|profile|profili|wpisy|wpisów|bajty|"
              "bajtów|karty|kart|sekundy|sekund|wyniki|wyników)\\b"),
          QStringLiteral("(?<!\\bz )\\b(2|22) (katalogów|pól|profili|wpisów|bajtów|kart|sekund|"
                         "wyników)\\b"),
          QStringLiteral("(?<!\\bz )\\b(5|21) (katalogi|pola|profile|wpisy|bajty|karty|sekundy|"
                         "wyniki)\\b"),
          QStringLiteral("(?<!\\bz )\\b(2|5|21|22) (katalog|pole|profil|wpis|bajt|karta|"
                         "sekunda|wynik)\\b")}},
    };
    return mistakes;
}

// `text` as the user reads it: the count for %n, `first` for %1, a name for the others.
QString Rendered(QString text, int count, int first)
{
    text.replace(QStringLiteral("%Ln"), QString::number(count));
    text.replace(QStringLiteral("%n"), QString::number(count));
    text.replace(QStringLiteral("%1"), QString::number(first));
    static const QRegularExpression other(QStringLiteral("%[2-9]"));
    return text.replace(other, QStringLiteral("Blog"));
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

    void countedMessagesAgreeWithEveryCount_data() { AddRowPerCatalogue(); }

    // Each message with %n, as the compiled catalogue gives it for counts of every form, and
    // with every count in its %1 too ("Filled %1 of %n fields": 1 of 22, 22 of 1): no form
    // makes one of the language's known mistakes of agreement.
    void countedMessagesAgreeWithEveryCount()
    {
        QFETCH(QString, file);
        const QString language = LanguageOf(file);
        const TsCatalogue catalogue = ReadTsFile(file);
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        QTranslator compiled;
        QVERIFY(compiled.load(QStringLiteral(":/i18n/kestrine_%1.qm").arg(language)));
        QVERIFY2(AgreementMistakes().contains(language), "every language has its mistakes listed");
        QList<QRegularExpression> mistakes;
        for (const QString& pattern : AgreementMistakes().value(language))
            mistakes.append(
                QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption));

        QStringList problems;
        int rendered = 0;
        for (const TsMessage& message : catalogue.messages) {
            if (!message.counted)
                continue;
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            const QByteArray comment = message.comment.toUtf8();
            for (const int count : kCounts) {
                const QString text = compiled.translate(
                    context, source, message.comment.isEmpty() ? nullptr : comment.constData(),
                    count);
                if (text.isEmpty()) {
                    problems.append(QStringLiteral("%1: \"%2\" has no text for %3")
                                        .arg(message.context, message.source)
                                        .arg(count));
                    continue;
                }
                for (const int first : kCounts) {
                    const QString shown = Rendered(text, count, first);
                    ++rendered;
                    for (const QRegularExpression& mistake : mistakes) {
                        if (mistake.match(shown).hasMatch())
                            problems.append(QStringLiteral("%1: \"%2\" (%3)")
                                                .arg(message.context, shown, mistake.pattern()));
                    }
                }
            }
        }
        QVERIFY(rendered > 100);
        QVERIFY2(problems.isEmpty(), qPrintable(Listed(problems)));
    }

    // A number before a counted noun in a text without %n reads right in English only
    // ("%1 of the directories were", "%1 bytes"): every count chooses its text's form.
    void countsInTextsAreCountedMessages()
    {
        const QStringList files = TsFiles();
        QVERIFY(!files.isEmpty());
        const TsCatalogue catalogue = ReadTsFile(files.first());
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        static const QRegularExpression countedNoun(
            QStringLiteral("%[1-9] (of the |of your |of %[1-9] )?(\\w+ "
                           ")?(directories|fields|items|bytes|profiles|tabs|"
                           "days|seconds|results)\\b"));
        QStringList problems;
        for (const TsMessage& message : catalogue.messages) {
            if (!message.counted && countedNoun.match(message.source).hasMatch())
                problems.append(QStringLiteral("%1: \"%2\"").arg(message.context, message.source));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(Listed(problems)));
    }

    void markedTextsStayMarked_data() { AddRowPerCatalogue(); }

    // A source that marks a letter for Alt is marked in the translation too. Whether two marks
    // meet in one menu or window depends on where the texts are shown, not on their context:
    // accelerator_test judges that on the real windows.
    void markedTextsStayMarked()
    {
        QFETCH(QString, file);
        const TsCatalogue catalogue = ReadTsFile(file);
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        QStringList problems;
        for (const TsMessage& message : catalogue.messages) {
            if (message.finished && !Accelerator(message.source).isNull() &&
                Accelerator(message.translations.first()).isNull())
                problems.append(QStringLiteral("%1: \"%2\" marks no letter")
                                    .arg(message.context, message.translations.first()));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(Listed(problems)));
    }
};

QTEST_GUILESS_MAIN(TranslationCatalogueTest)
#include "TranslationCatalogueTest.moc"
