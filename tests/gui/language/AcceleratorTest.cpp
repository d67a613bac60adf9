#include "common/QuietPresenter.h"
#include "directory_db/DirectoryImport.h"
#include "directory_db/DirectoryRecord.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "ui/about/AboutDlg.h"
#include "ui/about/ResourceScheme.h"
#include "ui/directory_check/DirectoryCheckDialog.h"
#include "ui/directory_editor/DirectoryEditorDlg.h"
#include "ui/directory_lists/ExportDirectoriesDlg.h"
#include "ui/directory_lists/ImportDirectoriesDlg.h"
#include "ui/feed_check/FeedCheckDialog.h"
#include "ui/history/HistoryDlg.h"
#include "ui/language/InterfaceLanguage.h"
#include "ui/language/LanguageDlg.h"
#include "ui/profiles/ProfileData.h"
#include "ui/profiles/ProfilesConfigurator.h"
#include "ui/settings/DatabaseSourceDlg.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/settings/WorkAheadDlg.h"
#include "ui/update/UpdateDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// A text the user can reach with Alt and a letter, and where it is.
struct Mnemonic
{
    QKeySequence keys; // empty: the text marks no letter
    QString text;
};

Mnemonic MnemonicOf(const QString& text)
{
    return {QKeySequence::mnemonic(text), text};
}

// "where: "a" and "b" both take Alt+X" for every pair of texts that share their keys.
void AddClashes(const QString& where, const QList<Mnemonic>& mnemonics, QStringList& problems)
{
    for (qsizetype i = 0; i < mnemonics.size(); ++i) {
        for (qsizetype j = i + 1; j < mnemonics.size(); ++j) {
            if (!mnemonics[i].keys.isEmpty() && mnemonics[i].keys == mnemonics[j].keys)
                problems.append(QStringLiteral("%1: \"%2\" and \"%3\" both take %4")
                                    .arg(where, mnemonics[i].text, mnemonics[j].text,
                                         mnemonics[i].keys.toString()));
        }
    }
}

// The controls of `window` that answer to Alt and a letter while it is shown: buttons, group
// boxes, tabs, the labels that lead to a control, and the titles of its menu bar. Menus are
// windows of their own.
QList<Mnemonic> ControlMnemonics(QWidget& window)
{
    QList<Mnemonic> found;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->window() != &window)
            continue;
        if (const auto* button = qobject_cast<QAbstractButton*>(control))
            found.append(MnemonicOf(button->text()));
        else if (const auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            found.append(MnemonicOf(label->text()));
        else if (const auto* group = qobject_cast<QGroupBox*>(control))
            found.append(MnemonicOf(group->title()));
        else if (const auto* tabs = qobject_cast<QTabBar*>(control)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                found.append(MnemonicOf(tabs->tabText(tab)));
        } else if (const auto* bar = qobject_cast<QMenuBar*>(control)) {
            for (const QAction* menu : bar->actions())
                found.append(MnemonicOf(menu->text()));
        }
    }
    return found;
}

// Every item of `menu` and of its submenus marks a letter of its own within its menu.
void CheckMenu(const QString& where, const QMenu& menu, QStringList& problems)
{
    QList<Mnemonic> items;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const Mnemonic item = MnemonicOf(action->text());
        if (item.keys.isEmpty())
            problems.append(QStringLiteral("%1: \"%2\" marks no letter").arg(where, item.text));
        items.append(item);
        if (action->menu())
            CheckMenu(where + QStringLiteral(" > ") + action->text(), *action->menu(), problems);
    }
    AddClashes(where, items, problems);
}

// Each dialog as its command makes it.
using DialogFactory = std::function<std::unique_ptr<QDialog>(QWidget* parent)>;

QList<QPair<QString, DialogFactory>> Dialogs(CProgramSettings& settings,
                                             MessagePresenter& presenter)
{
    return {
        {QStringLiteral("About"),
         [](QWidget* parent) { return std::make_unique<CAboutDlg>(parent); }},
        {QStringLiteral("Profile Manager"),
         [](QWidget* parent) { return std::make_unique<CProfilesConfigurator>(parent); }},
        {QStringLiteral("profile editor"),
         [](QWidget* parent) { return std::make_unique<CProfileData>(parent); }},
        {QStringLiteral("Update"),
         [](QWidget* parent) { return std::make_unique<CUpdateDialog>(parent); }},
        {QStringLiteral("Database Source"),
         [&settings](QWidget* parent) {
             return std::make_unique<CDatabaseSourceDlg>(settings, parent);
         }},
        {QStringLiteral("Work Ahead"),
         [&settings](QWidget* parent) {
             return std::make_unique<CWorkAheadDlg>(settings, parent);
         }},
        {QStringLiteral("Language"),
         [&settings](QWidget* parent) { return std::make_unique<CLanguageDlg>(settings, parent); }},
        {QStringLiteral("Check Directories"),
         [](QWidget* parent) { return std::make_unique<CDirectoryCheckDialog>(parent); }},
        {QStringLiteral("Check Feed"),
         [](QWidget* parent) { return std::make_unique<CFeedCheckDialog>(parent); }},
        {QStringLiteral("History"),
         [](QWidget* parent) { return std::make_unique<CHistoryDlg>(std::string(), parent); }},
        {QStringLiteral("Import Directories"),
         [](QWidget* parent) {
             return std::make_unique<CImportDirectoriesDlg>(DirectoryImport{},
                                                            QStringLiteral("list.xml"), parent);
         }},
        {QStringLiteral("Export My Directories"),
         [](QWidget* parent) {
             return std::make_unique<CExportDirectoriesDlg>(std::vector<DirectoryRecord>{}, parent);
         }},
        {QStringLiteral("directory editor"),
         [&presenter](QWidget* parent) {
             return std::make_unique<CDirectoryEditorDlg>(DirectoryRecord{}, presenter, parent);
         }},
    };
}

} // namespace

// Alt and a letter reach one command: within each menu of the real menu bar, among the
// controls of the main window, and within each dialog, in every language.
class AcceleratorTest : public QObject
{
    Q_OBJECT

private slots:
    void lettersAreUniqueInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : CInterfaceLanguage::Spoken())
            QTest::newRow(qPrintable(language)) << language;
    }

    void lettersAreUniqueInEveryLanguage()
    {
        QFETCH(QString, language);
        CInterfaceLanguage speaking;
        QVERIFY(speaking.Load(language));
        SubmitterTestEnvironment env;
        env.Start();
        const auto window = OpenShownWindow(env.Environment());

        QStringList problems;
        const QList<Mnemonic> windowControls = ControlMnemonics(*window);
        AddClashes(QStringLiteral("main window"), windowControls, problems);
        int menus = 0;
        for (const QAction* title : window->menuBar()->actions()) {
            if (QKeySequence::mnemonic(title->text()).isEmpty())
                problems.append(
                    QStringLiteral("menu bar: \"%1\" marks no letter").arg(title->text()));
            if (title->menu()) {
                CheckMenu(title->text(), *title->menu(), problems);
                ++menus;
            }
        }
        QVERIFY2(menus >= 6, "the menu bar has its menus");
        QVERIFY2(windowControls.size() > menus, "the window's own controls are counted");

        CProgramSettings settings(env.ProgramFolder(), {});
        QuietPresenter presenter;
        for (const auto& [name, make] : Dialogs(settings, presenter)) {
            const std::unique_ptr<QDialog> dialog = make(window.get());
            // Shown without a modal loop: some dialogs make their controls when first shown.
            dialog->show();
            const QList<Mnemonic> controls = ControlMnemonics(*dialog);
            dialog->hide();
            QVERIFY2(!controls.isEmpty(), qPrintable(name));
            AddClashes(name, controls, problems);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char* argv[])
{
    // The program's own pages are served under its "res" scheme, known before the application.
    RegisterResourceScheme();
    QApplication application(argc, argv);
    AcceleratorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AcceleratorTest.moc"
