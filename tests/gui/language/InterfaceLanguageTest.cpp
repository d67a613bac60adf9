#include "ui/language/InterfaceLanguage.h"

#include "page_filling/FillReport.h"
#include "support/ScopedFontSize.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WaitUntil.h"
#include "ui/about/HelpPages.h"
#include "ui/about/ResourceScheme.h"
#include "ui/about/ResourceSchemeHandler.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/language/LanguageDlg.h"
#include "ui/profiles/ProfileData.h"
#include "ui/settings/ProgramSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWebEngineProfile>

namespace {

// The menu bar's titles as the catalogue of the language loaded says them.
QStringList ExpectedMenuTitles()
{
    return {QCoreApplication::translate("CSubmitterDlg", "&File"),
            QCoreApplication::translate("CHistoryCommands", "&View"),
            QCoreApplication::translate("CDirectoryCommands", "&Go"),
            QCoreApplication::translate("CDirectoryCommands", "&Directory"),
            QCoreApplication::translate("CSubmitterDlg", "&Settings"),
            QCoreApplication::translate("CSubmitterDlg", "&Help")};
}

QStringList MenuTitles(QMainWindow& window)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles.append(menu->text());
    return titles;
}

// The labels and buttons of `dialog` whose text does not fit their place or the dialog.
QStringList CutOffTexts(QWidget& dialog)
{
    QStringList cut;
    const QRect inside = dialog.rect();
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!control->isVisible() ||
            (!qobject_cast<QLabel*>(control) && !qobject_cast<QAbstractButton*>(control)))
            continue;
        const QRect place(control->mapTo(&dialog, QPoint(0, 0)), control->size());
        const auto* label = qobject_cast<QLabel*>(control);
        const bool wraps = label && label->wordWrap();
        if ((!wraps && place.width() < control->minimumSizeHint().width()) ||
            !inside.contains(place))
            cut.append(label ? label->text() : qobject_cast<QAbstractButton*>(control)->text());
    }
    return cut;
}

// The program's own pages, as res/pages names their English sources.
const QList<QPair<CHelpPages::Page, QString>> kOwnPages{
    {CHelpPages::Page::Start, QStringLiteral("start.html")},
    {CHelpPages::Page::Guide, QStringLiteral("guide.html")},
    {CHelpPages::Page::Support, QStringLiteral("support.html.in")},
};

QString PageSource(const QString& relativePath)
{
    QFile file(QStringLiteral(KESTRINE_PAGES_SOURCE_DIR "/") + relativePath);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The values of `attribute` in the page's markup, in order.
QStringList AttributeValues(const QString& page, const QString& attribute)
{
    const QRegularExpression value(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(attribute));
    QStringList values;
    for (const QRegularExpressionMatch& found : value.globalMatch(page))
        values.append(found.captured(1));
    return values;
}

QString TitleOf(const QString& page)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(page).captured(1);
}

} // namespace

class InterfaceLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheDesktopUnlessChosen_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, QStringList environment, const char* chosen,
                            const char* expected) {
            QTest::newRow(name) << environment << QString::fromLatin1(chosen)
                                << QString::fromLatin1(expected);
        };
        row("LANG", {QStringLiteral("LANG=de_DE.UTF-8")}, "", "de");
        row("country of its own", {QStringLiteral("LANG=pt_BR.UTF-8")}, "", "pt_BR");
        row("another country", {QStringLiteral("LANG=pt_PT.UTF-8")}, "", "pt_BR");
        row("LANGUAGE first",
            {QStringLiteral("LANG=en_US.UTF-8"), QStringLiteral("LANGUAGE=fr:de")}, "", "fr");
        row("LANGUAGE past one not spoken",
            {QStringLiteral("LANG=de_AT.UTF-8"), QStringLiteral("LANGUAGE=sv:nl_BE")}, "", "nl");
        row("English in LANGUAGE",
            {QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LANGUAGE=en_GB:de")}, "", "en");
        row("C locale ignores LANGUAGE",
            {QStringLiteral("LC_ALL=C"), QStringLiteral("LANGUAGE=de")}, "", "en");
        row("LC_MESSAGES over LANG",
            {QStringLiteral("LC_MESSAGES=pl_PL.UTF-8"), QStringLiteral("LANG=de_DE.UTF-8")}, "",
            "pl");
        row("LC_ALL over LC_MESSAGES",
            {QStringLiteral("LC_ALL=it_IT@euro"), QStringLiteral("LC_MESSAGES=pl_PL")}, "", "it");
        row("no language spoken", {QStringLiteral("LANG=ja_JP.UTF-8")}, "", "en");
        row("nothing set", {}, "", "en");
        row("the setting", {QStringLiteral("LANG=fr_FR.UTF-8")}, "nl", "nl");
        row("English chosen", {QStringLiteral("LANG=fr_FR.UTF-8")}, "en", "en");
        row("a setting edited by hand", {QStringLiteral("LANG=es_ES.UTF-8")}, "xx", "es");
    }

    void languageFollowsTheDesktopUnlessChosen()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        QProcessEnvironment desktop;
        for (const QString& variable : environment)
            desktop.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
        QCOMPARE(
            CInterfaceLanguage::Choose(chosen, CInterfaceLanguage::DesktopPreferences(desktop)),
            expected);
    }

    void windowsSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pointSize"); // 0: the default font
        for (const QString& language : CInterfaceLanguage::Spoken()) {
            QTest::addRow("%s, default font", qPrintable(language)) << language << 0;
            QTest::addRow("%s, 16 pt", qPrintable(language)) << language << 16;
        }
    }

    // The main window's menus come from the language's catalogue, and the profile editor shows
    // every label and button whole, in the language and at a large font.
    void windowsSpeakTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, pointSize);
        const ScopedFontSize fontSize(pointSize);
        CInterfaceLanguage speaking;
        QVERIFY2(speaking.Load(language), "the language's catalogue is compiled in");

        SubmitterTestEnvironment env;
        env.Start();
        const auto window = OpenShownWindow(env.Environment());
        const QStringList titles = MenuTitles(*window);
        for (const QString& title : ExpectedMenuTitles())
            QVERIFY2(titles.contains(title), qPrintable(titles.join(QLatin1String(", "))));

        CProfileData editor(window.get());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(editor.windowTitle(), QCoreApplication::translate("ProfileData", "Profile Data"));
        const QStringList cut = CutOffTexts(editor);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
    }

    // German, whose first messages are translated, from every source: the window's own texts,
    // the core's, Qt's standard buttons and the program's own pages.
    void germanComesFromEveryCatalogue()
    {
        CInterfaceLanguage speaking;
        QVERIFY(speaking.Load(QStringLiteral("de")));
        SubmitterTestEnvironment env;
        env.Start();
        const auto window = OpenShownWindow(env.Environment());
        QVERIFY(MenuTitles(*window).contains(QStringLiteral("&Datei")));

        FillReport report;
        report.fieldsSet = 3;
        report.fieldsTotal = 5;
        report.formWatched = true;
        QCOMPARE(QString::fromStdString(DescribeFill(report).text),
                 QStringLiteral("3 von 5 Feldern ausgefüllt · für Sie nichts mehr auszufüllen"));

        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));

        CBrowserCtrl browser;
        browser.Navigate(CHelpPages::OwnAddress(CHelpPages::Page::Start).toString());
        WAIT_COMPARE(browser.title(), QStringLiteral("Erste Schritte mit Kestrine"), 15000);
        browser.Navigate(CHelpPages::OwnAddress(CHelpPages::Page::Guide).toString());
        WAIT_COMPARE(browser.title(), QStringLiteral("Kestrine-Benutzerhandbuch"), 15000);
    }

    void everyPageSpeaksEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("source");
        for (const QString& language : CInterfaceLanguage::Spoken()) {
            if (language == CInterfaceLanguage::kEnglish)
                continue;
            for (const auto& [page, source] : kOwnPages)
                QTest::addRow("%s, %s", qPrintable(language), qPrintable(source))
                    << language << static_cast<int>(page) << source;
        }
    }

    // Each of the program's own pages has a copy in every language, with every id and link of
    // the English page, and the program shows that copy while it speaks the language.
    void everyPageSpeaksEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, page);
        QFETCH(QString, source);
        const QString english = PageSource(source);
        const QString translated = PageSource(language + QLatin1Char('/') + source);
        QVERIFY2(!english.isEmpty(), qPrintable(source));
        QVERIFY2(!translated.isEmpty(), "the page has a copy in the language");
        for (const QString& attribute : {QStringLiteral("id"), QStringLiteral("href")})
            QCOMPARE(AttributeValues(translated, attribute), AttributeValues(english, attribute));
        QVERIFY(TitleOf(translated) != TitleOf(english));

        CInterfaceLanguage speaking;
        QVERIFY(speaking.Load(language));
        CBrowserCtrl browser;
        CResourceSchemeHandler::InstallOn(browser.page()->profile());
        browser.Navigate(CHelpPages::OwnAddress(static_cast<CHelpPages::Page>(page)).toString());
        WAIT_COMPARE(browser.title(), TitleOf(translated), 15000);
    }

    // A language is the program's while it is loaded: its catalogues, its dates and numbers
    // and the core's texts; unloaded, English and the desktop's locale are back.
    void unloadingPutsEnglishBack()
    {
        const QLocale before;
        FillReport report;
        report.fieldsSet = 3;
        report.fieldsTotal = 5;
        report.formWatched = true;
        {
            CInterfaceLanguage speaking;
            QVERIFY(speaking.Load(QStringLiteral("de")));
            QCOMPARE(CInterfaceLanguage::Current(), QStringLiteral("de"));
            QCOMPARE(QLocale().language(), QLocale::German);
        }
        QCOMPARE(CInterfaceLanguage::Current(), CInterfaceLanguage::kEnglish);
        QCOMPARE(QLocale(), before);
        QCOMPARE(QString::fromStdString(DescribeFill(report).text),
                 QStringLiteral("Filled 3 of 5 fields · nothing left for you"));
        QCOMPARE(QCoreApplication::translate("CSubmitterDlg", "&File"), QStringLiteral("&File"));
    }

    // Settings > Language… keeps the choice in kestrine.conf; the next start speaks it, and
    // the desktop's language is back once the choice is undone.
    void settingAppliesAtTheNextStart()
    {
        SubmitterTestEnvironment env;
        CProgramSettings settings(env.ProgramFolder(), {});
        const QStringList desktop{QStringLiteral("fr_FR")};

        CLanguageDlg dialog(settings);
        auto* choice = dialog.findChild<QComboBox*>(QStringLiteral("language"));
        QVERIFY(choice);
        QCOMPARE(choice->currentIndex(), 0); // the desktop's
        choice->setCurrentIndex(choice->findData(QStringLiteral("de")));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(env.ReadProgramFile("kestrine.conf").value_or("").find("[ui]\nlanguage=de") !=
                std::string::npos);

        CInterfaceLanguage speaking;
        QVERIFY(speaking.Load(CInterfaceLanguage::Choose(settings.InterfaceLanguage(), desktop)));
        QCOMPARE(speaking.Language(), QStringLiteral("de"));
        env.Start();
        {
            const auto window = OpenShownWindow(env.Environment());
            QVERIFY(MenuTitles(*window).contains(QStringLiteral("&Einstellungen")));
        }

        CLanguageDlg again(settings);
        auto* undo = again.findChild<QComboBox*>(QStringLiteral("language"));
        QCOMPARE(undo->currentData().toString(), QStringLiteral("de"));
        undo->setCurrentIndex(0);
        again.accept();
        QCOMPARE(settings.InterfaceLanguage(), QString());
        QCOMPARE(CInterfaceLanguage::Choose(settings.InterfaceLanguage(), desktop),
                 QStringLiteral("fr"));
    }
};

int main(int argc, char* argv[])
{
    // The program's own pages are served under its "res" scheme, known before the application.
    RegisterResourceScheme();
    QApplication application(argc, argv);
    InterfaceLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InterfaceLanguageTest.moc"
