#include "ui/main_window/SubmitterDlg.h"

#include "gui/profiles/ModalDialogDriver.h"
#include "support/BrowserDriver.h"
#include "support/MessageBoxWatcher.h"
#include "support/ScopedFontSize.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WaitUntil.h"
#include "support/WidgetTexts.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/language/InterfaceLanguage.h"
#include "ui/main_window/MessageBoxPresenter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

Q_DECLARE_METATYPE(MessageIcon)

namespace {

const char* const kStartPage = "/updates/";
const std::string kNoProfileMessage = "Please create a profile first!";

QAction* MenuAction(QMenuBar& menuBar, const QString& text)
{
    for (QAction* menu : menuBar.actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

std::string FirstLine(const std::string& bytes)
{
    return bytes.substr(0, bytes.find("\r\n"));
}

// Two directories, the first with a variable that depends on the profile's category.
std::string SubmissionDatabase(const LocalHttpServer& server)
{
    return DirectoryDatabaseXml(
        {"<directory name=\"Sample Directory\" submiturl=\"" + server.Url("/submit/sample") +
             "?cat=CATID\" onsubmit=\"Thank you\">"
             "<variable name=\"CATID\"><cond category=\"Business\" subcategory=\"Marketing\" "
             "value=\"104\"/><cond category=\"Business\" value=\"100\"/><cond value=\"1\"/>"
             "</variable></directory>",
         PlainDirectory("Second", server.Url("/submit/second"))});
}

// Blog (category Business) is current and has sent to Second; News has sent to Sample.
const std::string kTwoProfiles = StateFileLines({"Blog", "2"}) +
                                 ProfileBlock("Blog", "Business", {"Second"}) +
                                 ProfileBlock("News", "", {"Sample Directory"});

} // namespace

class SubmitterDlgTest : public QObject
{
    Q_OBJECT

private:
    static std::unique_ptr<CSubmitterDlg> OpenWindow(SubmitterTestEnvironment& env)
    {
        return OpenWindow(env.Environment());
    }

    static std::unique_ptr<CSubmitterDlg> OpenWindow(SubmitterEnvironment environment)
    {
        return OpenShownWindow(std::move(environment));
    }

    static void ServeSubmissionPages(SubmitterTestEnvironment& env)
    {
        env.server.server.Get(R"(/submit/.*)", [](const httplib::Request&,
                                                  httplib::Response& response) {
            response.set_content("<html><body><form><input name=\"feed_url\"></form></body></html>",
                                 "text/html");
        });
    }

    // The vendor's site serves the submission pages, and dirdata.xml lists their directories.
    static void StartSubmissionSite(SubmitterTestEnvironment& env)
    {
        ServeSubmissionPages(env);
        env.Start();
        env.WriteProgramFile("dirdata.xml", SubmissionDatabase(env.server));
    }

    // The user clicks the list entry in `row`.
    static void ClickEntry(CSubmitterDlg& window, int row)
    {
        QListView& list = *Inspect(window).DirectoryList();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.model()->index(row, 0)).center());
    }

private slots:
    void startUp_data()
    {
        QTest::addColumn<QByteArray>("stateFile"); // null: there is no sv.dat
        QTest::addColumn<QStringList>("profiles");
        QTest::addColumn<QString>("selectedProfile");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("no sv.dat")
            << QByteArray() << QStringList() << QString() << QStringList{"Gamma", "Alpha", "Beta"};
        QTest::newRow("empty first line")
            << QByteArray::fromStdString(StateFileLines({"", "2"}) + ProfileBlock("Zed", "") +
                                         ProfileBlock("alpha", ""))
            << QStringList{"alpha", "Zed"} << QString() << QStringList{"Gamma", "Alpha", "Beta"};
        // A search by prefix would show "Blogger", whose name begins with "Blog".
        QTest::newRow("current profile")
            << QByteArray::fromStdString(StateFileLines({"Blog", "2"}) +
                                         ProfileBlock("Blogger", "", {"Alpha"}) +
                                         ProfileBlock("Blog", "", {"Beta"}))
            << QStringList{"Blog", "Blogger"} << QStringLiteral("Blog")
            << QStringList{"Gamma [not sent]", "Alpha [not sent]", "Beta [sent]"};
        QTest::newRow("unknown current profile")
            << QByteArray::fromStdString(StateFileLines({"Gone", "1"}) +
                                         ProfileBlock("Blog", "", {"Beta"}))
            << QStringList{"Blog"} << QString()
            << QStringList{"Gamma [not sent]", "Alpha [not sent]", "Beta [not sent]"};
    }

    void startUp()
    {
        QFETCH(QByteArray, stateFile);
        QFETCH(QStringList, profiles);
        QFETCH(QString, selectedProfile);
        QFETCH(QStringList, entries);

        SubmitterTestEnvironment env;
        env.Start();
        env.WriteProgramFile("dirdata.xml",
                             DirectoryDatabaseXml({PlainDirectory("Gamma", env.server.Url("/g")),
                                                   PlainDirectory("Alpha", env.server.Url("/a")),
                                                   PlainDirectory("Beta", env.server.Url("/b"))}));
        if (!stateFile.isNull())
            env.WriteProgramFile("sv.dat", stateFile.toStdString());
        auto window = OpenWindow(env);

        QCOMPARE(window->windowTitle(), QStringLiteral("Kestrine V1.0"));
        QCOMPARE(Items(*Inspect(*window).ProfileCombo()), profiles);
        QCOMPARE(Inspect(*window).ProfileCombo()->currentText(), selectedProfile);
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()), entries);
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), -1);
        QVERIFY(Inspect(*window).Timer()->isActive());
        QCOMPARE(Inspect(*window).Timer()->interval(), 100);
        QVERIFY(env.windowMessages.messages.empty());
        QVERIFY(env.databaseMessages.messages.empty());
    }

    void opensStartPageOfVendorHost()
    {
        SubmitterTestEnvironment env;
        env.Start();
        auto window = OpenWindow(env);

        const auto request = env.WaitForRequest(kStartPage);
        QVERIFY(request);
        QCOMPARE(request->method, std::string("GET"));
        WAIT_COMPARE(Inspect(*window).Browser()->GetReadyState(), CBrowserCtrl::kReadyStateComplete,
                     15000);
        QCOMPARE(Inspect(*window).Browser()->url().toString().toStdString(),
                 env.server.Url(kStartPage));
    }

    void menuAndControlTexts()
    {
        SubmitterTestEnvironment env;
        env.Start();
        auto window = OpenWindow(env);

        QStringList menus;
        for (QAction* menu : window->menuBar()->actions()) {
            menus.append(menu->text());
            for (QAction* action : menu->menu()->actions())
                menus.append(QStringLiteral("  ") + action->text());
        }
        QCOMPARE(menus, (QStringList{"&File",
                                     "  &Import Directories…",
                                     "  Export &My Directories…",
                                     "  Export &Report\u2026",
                                     "  ",
                                     "  Close &Tab",
                                     "  &Next Tab",
                                     "  Pre&vious Tab",
                                     "  ",
                                     "  E&xit",
                                     "&View",
                                     "  &History",
                                     "&Settings",
                                     "  Manage &Profiles",
                                     "  &Update RSS Directory Database",
                                     "  Database &Source…",
                                     "  Check &Feed",
                                     "  &Work Ahead\u2026",
                                     "  &Language\u2026",
                                     "  Confirmation &Mails\u2026",
                                     "&Go",
                                     "  Open &Address…",
                                     "  &Back",
                                     "  &Forward",
                                     "  ",
                                     "  &Next unsent",
                                     "  Find &directory",
                                     "&Directory",
                                     "  &Add This Page…",
                                     "  &Edit…",
                                     "  &Remove",
                                     "  &Copy to My Directories",
                                     "  Open Confirmation &Link",
                                     "  ",
                                     "  Check &Directories\u2026",
                                     "  Re&pair\u2026",
                                     "&Help",
                                     "  User &Guide",
                                     "  &Support",
                                     "  &About Kestrine"}));
        QCOMPARE(Inspect(*window).ProfileLabel()->text(), QStringLiteral("Profile:"));
        QCOMPARE(Inspect(*window).FillButton()->text(), QStringLiteral("Fill current &page"));
        QVERIFY(!Inspect(*window).FillButton()->isDefault());
        QVERIFY(!Inspect(*window).ProfileCombo()->isEditable());
        // Entries stay in database order: the list's model does not sort.
        const auto* shown =
            qobject_cast<const QSortFilterProxyModel*>(Inspect(*window).DirectoryList()->model());
        QVERIFY(shown);
        QCOMPARE(shown->sortColumn(), -1);
        QVERIFY(!window->windowIcon().pixmap(32, 32).isNull());
    }

    void layoutFollowsClientArea()
    {
        SubmitterTestEnvironment env;
        env.Start();
        auto window = OpenWindow(env);
        QWidget& client = *window->centralWidget();
        // 618 × 397 dialog units of an 8 pt "MS Shell Dlg".
        QCOMPARE(client.size(), QSize(927, 645));

        const int frame = window->height() - client.height(); // the menu bar
        window->resize(1000, 700 + frame);
        WAIT_COMPARE(client.size(), QSize(1000, 700), 5000);
        // The list starts under Next unsent and the filters, which sit above it. "Hide
        // unreachable" needs more than the 115 pixels once beside "Unsent only", and the two do
        // not fit side by side in the column: it sits under the other. Check boxes and the
        // selector are as tall as their texts need.
        QCOMPARE(Inspect(*window).ClientGeometry(*Inspect(*window).DirectoryList()),
                 QRect(765, 168, 220, 517));
        QCOMPARE(Inspect(*window).ClientGeometry(*Inspect(*window).NextUnsentButton()),
                 QRect(810, 66, 140, 22));
        QCOMPARE(Inspect(*window).ClientGeometry(*Inspect(*window).SearchBox()),
                 QRect(765, 94, 220, 22));
        const QSize unsentOnly = Inspect(*window).UnsentOnlyBox()->sizeHint().expandedTo({100, 18});
        QCOMPARE(Inspect(*window).ClientGeometry(*Inspect(*window).UnsentOnlyBox()),
                 QRect(QPoint(765, 120), unsentOnly));
        QCOMPARE(Inspect(*window).ClientGeometry(*Inspect(*window).HideUnreachableBox()).topLeft(),
                 QPoint(765, 120 + unsentOnly.height() + 4));
        // The label keeps its place and is as large as its text needs, at least 35 × 15.
        const QSize label = Inspect(*window).ProfileLabel()->sizeHint().expandedTo(QSize(35, 15));
        QCOMPARE(Inspect(*window).ProfileLabel()->geometry(), QRect(QPoint(770, 14), label));
        QCOMPARE(Inspect(*window).FillButton()->geometry(), QRect(810, 40, 140, 22));
        QCOMPARE(Inspect(*window).ProfileCombo()->geometry().topLeft(), QPoint(820, 11));
        QCOMPARE(Inspect(*window).ProfileCombo()->width(), 150);
        // With one tab, its browser takes the whole place: no tab bar shows.
        QCOMPARE(Inspect(*window).ClientGeometry(*Inspect(*window).Browser()),
                 QRect(10, 10, 740, 675));
        QCOMPARE(Inspect(*window).Tabs()->parentWidget(), &client);
    }

    // The Tab key goes from the browser down the right-hand column: the list, the selector, the
    // Fill button, then Next unsent and the filter's controls.
    void tabGoesThroughTheControlsInTheirOrder()
    {
        SubmitterTestEnvironment env;
        env.Start();
        auto window = OpenWindow(env);
        const SubmitterDlgInspector controls = Inspect(*window);
        const QList<QWidget*> order{controls.DirectoryList(),     controls.ProfileCombo(),
                                    controls.FillButton(),        controls.NextUnsentButton(),
                                    controls.SearchBox(),         controls.UnsentOnlyBox(),
                                    controls.HideUnreachableBox()};
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QWidget* next = order[i]->nextInFocusChain();
            while (next && next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            QCOMPARE(next, order[i + 1]);
        }
    }

    void labelsShowTheirWholeText_data()
    {
        QTest::addColumn<int>("pointSize"); // 0: the default font
        QTest::addColumn<QString>("language");
        for (const QString& language : CInterfaceLanguage::Spoken()) {
            QTest::addRow("%s, default font", qPrintable(language)) << 0 << language;
            QTest::addRow("%s, large font", qPrintable(language)) << 16 << language;
        }
    }

    // Every text above the list shows whole, and no control covers another's, in every language.
    void labelsShowTheirWholeText()
    {
        QFETCH(int, pointSize);
        QFETCH(QString, language);
        CInterfaceLanguage speaking;
        QVERIFY(speaking.Load(language));
        const ScopedFontSize fontSize(pointSize);
        SubmitterTestEnvironment env;
        env.Start();
        auto window = OpenWindow(env);
        const SubmitterDlgInspector controls = Inspect(*window);

        const QLabel& label = *controls.ProfileLabel();
        const QRect text = label.fontMetrics().boundingRect(label.text());
        QVERIFY2(label.contentsRect().width() >= text.width(),
                 qPrintable(QStringLiteral("%1 px for %2 px of text")
                                .arg(label.contentsRect().width())
                                .arg(text.width())));
        QVERIFY(label.contentsRect().height() >= label.fontMetrics().height());
        QCOMPARE(label.pos(), QPoint(window->centralWidget()->width() - 230, 14));

        const QList<QWidget*> texts{controls.ProfileLabel(), controls.FillButton(),
                                    controls.NextUnsentButton(), controls.UnsentOnlyBox(),
                                    controls.HideUnreachableBox()};
        const QRect client = window->centralWidget()->rect();
        for (QWidget* control : texts) {
            const QRect place = controls.ClientGeometry(*control);
            QVERIFY2(place.width() >= control->sizeHint().width() &&
                         place.height() >= control->fontMetrics().height(),
                     qPrintable(QStringLiteral("%1: %2 × %3 px for %4 × %5")
                                    .arg(control->objectName())
                                    .arg(place.width())
                                    .arg(place.height())
                                    .arg(control->sizeHint().width())
                                    .arg(control->fontMetrics().height())));
            QVERIFY2(client.contains(place), qPrintable(control->objectName()));
        }
        const QList<QWidget*> column{controls.ProfileLabel(),       controls.ProfileCombo(),
                                     controls.FillButton(),         controls.NextUnsentButton(),
                                     controls.SearchBox(),          controls.UnsentOnlyBox(),
                                     controls.HideUnreachableBox(), controls.DirectoryList()};
        for (qsizetype i = 0; i < column.size(); ++i) {
            for (qsizetype j = i + 1; j < column.size(); ++j) {
                QVERIFY2(
                    !controls.ClientGeometry(*column[i])
                         .intersects(controls.ClientGeometry(*column[j])),
                    qPrintable(column[i]->objectName() + " covers " + column[j]->objectName()));
            }
        }
    }

    // An empty list gives way to the commands that bring directories, each link the menu's
    // own command. The hint goes once the list holds a directory, stays away while a filter
    // hides every entry, and comes back when the list is empty again.
    void emptyListOffersTheCommandsThatBringDirectories()
    {
        SubmitterTestEnvironment env;
        std::atomic<int> updates = 0;
        env.server.server.Get(
            "/updates/demo.xml", [&updates](const httplib::Request&, httplib::Response& response) {
                const bool first = ++updates == 1;
                response.set_content(
                    first ? DirectoryDatabaseXml({PlainDirectory("Fresh", "http://127.0.0.1:1/")})
                          : DirectoryDatabaseXml({}),
                    "text/xml");
            });
        env.WriteProgramFile("dirdata.xml", DirectoryDatabaseXml({}));
        env.Start();
        auto window = OpenWindow(env);
        const SubmitterDlgInspector controls = Inspect(*window);
        auto* hint = window->findChild<QLabel*>(QStringLiteral("emptyListHint"));
        QVERIFY(hint);
        WAIT_VERIFY(window->IsDatabaseLoaded(), 5000);
        QVERIFY(hint->isVisible());
        QVERIFY(!controls.DirectoryList()->isVisible());

        // Each link, by its caption, and the menu entry it stands for.
        QMap<QString, QString> links;
        const QRegularExpression link(QStringLiteral("<a href=\"([^\"]*)\">([^<]*)</a>"));
        for (const QRegularExpressionMatch& found : link.globalMatch(hint->text()))
            links.insert(found.captured(2), found.captured(1));
        QCOMPARE(links.keys(), QStringList({QStringLiteral("Add This Page…"),
                                            QStringLiteral("Import Directories…"),
                                            QStringLiteral("Update RSS Directory Database")}));
        const auto follow = [&](const QString& caption, const QString& menuEntry) {
            QAction* command = MenuAction(*window->menuBar(), menuEntry);
            QVERIFY(command);
            QSignalSpy triggered(command, &QAction::triggered);
            emit hint->linkActivated(links.value(caption));
            QCOMPARE(triggered.size(), 1);
        };

        {
            ModalDialogDriver cancel;
            cancel.Then<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
            follow(QStringLiteral("Import Directories…"), QStringLiteral("&Import Directories…"));
            QVERIFY(cancel.Finished());
        }
        follow(QStringLiteral("Add This Page…"), QStringLiteral("&Add This Page…"));
        QCOMPARE(env.windowMessages.messages.size(), size_t(1));
        QCOMPARE(env.windowMessages.messages.back().caption, std::string("Add Directory"));
        QVERIFY(hint->isVisible());

        follow(QStringLiteral("Update RSS Directory Database"),
               QStringLiteral("&Update RSS Directory Database"));
        QCOMPARE(Entries(*controls.DirectoryList()), QStringList({"Fresh"}));
        QVERIFY(!hint->isVisible());
        QVERIFY(controls.DirectoryList()->isVisible());

        controls.SearchBox()->setText(QStringLiteral("nothing like it"));
        QCOMPARE(controls.DirectoryList()->model()->rowCount(), 0);
        QVERIFY(!hint->isVisible());
        QVERIFY(controls.DirectoryList()->isVisible());

        window->OnUpdateDatabase();
        QCOMPARE(updates.load(), 2);
        QVERIFY(hint->isVisible());
        QVERIFY(!controls.DirectoryList()->isVisible());
    }

    void pickingAProfileWhoseNameIsNotUtf8_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QStringList>("entries");
        // Both Latin-1 names show alike; each entry still stands for its own profile.
        QTest::newRow("Caf\\xE9") << 1 << QByteArray("Caf\xE9")
                                  << QStringList{"Sample Directory [sent]", "Second [not sent]"};
        QTest::newRow("Caf\\xE8") << 2 << QByteArray("Caf\xE8")
                                  << QStringList{"Sample Directory [not sent]", "Second [sent]"};
    }

    void pickingAProfileWhoseNameIsNotUtf8()
    {
        QFETCH(int, downs);
        QFETCH(QByteArray, name);
        QFETCH(QStringList, entries);
        SubmitterTestEnvironment env;
        StartSubmissionSite(env);
        env.WriteProgramFile("sv.dat", StateFileLines({"Blog", "3"}) +
                                           ProfileBlock("Blog", "Business") +
                                           ProfileBlock("Caf\xE9", "", {"Sample Directory"}) +
                                           ProfileBlock("Caf\xE8", "", {"Second"}));
        auto window = OpenWindow(env);
        QComboBox& selector = *Inspect(*window).ProfileCombo();
        QCOMPARE(selector.currentText(), QStringLiteral("Blog"));

        for (int i = 0; i < downs; ++i)
            QTest::keyClick(&selector, Qt::Key_Down);

        QCOMPARE(Inspect(*window).CurrentProfile().name, name.toStdString());
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()), entries);
        QVERIFY(window->close());
        QCOMPARE(FirstLine(env.ReadProgramFile("sv.dat").value_or("")), name.toStdString());

        // Started again, the window selects that very profile.
        auto again = OpenWindow(env);
        QCOMPARE(Inspect(*again).ProfileCombo()->currentIndex(), downs);
        QCOMPARE(Entries(*Inspect(*again).DirectoryList()), entries);
    }

    void shrinkingStopsBeforeSizesTurnNegative()
    {
        SubmitterTestEnvironment env;
        env.Start();
        auto window = OpenWindow(env);
        QWidget& client = *window->centralWidget();

        window->resize(100, 40);
        WAIT_COMPARE(client.size(), QSize(260, 183), 5000);
        QCOMPARE(Inspect(*window).ClientGeometry(*Inspect(*window).DirectoryList()),
                 QRect(25, 168, 220, 0));
        QCOMPARE(Inspect(*window).Tabs()->geometry(), QRect(10, 10, 0, 158));
    }

    void escapeAndEnterDoNothing()
    {
        SubmitterTestEnvironment env;
        env.Start();
        env.WriteProgramFile("dirdata.xml",
                             DirectoryDatabaseXml({PlainDirectory("Alpha", env.server.Url("/a"))}));
        auto window = OpenWindow(env);
        window->activateWindow();
        Inspect(*window).DirectoryList()->setFocus();

        for (QWidget* target : {static_cast<QWidget*>(Inspect(*window).DirectoryList()),
                                static_cast<QWidget*>(Inspect(*window).ProfileCombo()),
                                static_cast<QWidget*>(window.get())}) {
            QTest::keyClick(target, Qt::Key_Escape);
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter);
        }
        QCoreApplication::processEvents();

        QVERIFY(window->isVisible());
        QVERIFY(!env.ReadProgramFile("sv.dat"));
        QVERIFY(env.windowMessages.messages.empty());
    }

    void closeWritesStateFile_data()
    {
        QTest::addColumn<QByteArray>("stateFile");
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("no sv.dat") << QByteArray() << QByteArray("\r\n0\r\n");
        const QByteArray twoProfiles = QByteArray::fromStdString(kTwoProfiles);
        QTest::newRow("two profiles") << twoProfiles << twoProfiles;
        // Line 1 is the name in the current profile's copy, which stayed empty.
        QTest::newRow("unknown current profile")
            << QByteArray::fromStdString(StateFileLines({"Gone", "1"}) + ProfileBlock("Blog", ""))
            << QByteArray::fromStdString(StateFileLines({"", "1"}) + ProfileBlock("Blog", ""));
        QTest::newRow("LF line ends")
            << QByteArray("\n1\nBlog\n\n\n\n\n\n\n\n\n\n2\nb\na\n")
            << QByteArray("\r\n1\r\nBlog\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n2\r\na\r\nb\r\n");
    }

    void closeWritesStateFile()
    {
        QFETCH(QByteArray, stateFile);
        QFETCH(QByteArray, written);

        SubmitterTestEnvironment env;
        env.Start();
        if (!stateFile.isNull())
            env.WriteProgramFile("sv.dat", stateFile.toStdString());
        auto window = OpenWindow(env);

        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        QCOMPARE(env.ReadProgramFile("sv.dat"), std::optional(written.toStdString()));
        QVERIFY(env.windowMessages.messages.empty());
    }

    void exitClosesWithoutWriting()
    {
        SubmitterTestEnvironment env;
        env.Start();
        // Any write would turn the LF line ends into CR LF.
        const std::string stateFile = "Blog\n1\nBlog\n\n\n\n\n\n\n\n\n\n0\n";
        env.WriteProgramFile("sv.dat", stateFile);
        auto window = OpenWindow(env);

        QAction* exit = MenuAction(*window->menuBar(), QStringLiteral("E&xit"));
        QVERIFY(exit);
        exit->trigger();

        WAIT_VERIFY(!window->isVisible(), 5000);
        QCOMPARE(env.ReadProgramFile("sv.dat"), std::optional(stateFile));
    }

    void failedWriteKeepsWindowOpen()
    {
        SubmitterTestEnvironment env;
        env.Start();
        SubmitterEnvironment environment = env.Environment();
        // A folder that does not exist fails even for root.
        environment.dataFolder = DataFolder::At(env.ProgramFolder() + "gone/");
        auto window = OpenWindow(environment);
        // The history cannot be kept in a folder that does not exist either; it says so once.
        WAIT_COMPARE(env.windowMessages.messages.size(), size_t(1), 5000);
        QVERIFY(env.windowMessages.messages.front().text.find("history.sqlite") !=
                std::string::npos);

        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(env.windowMessages.messages.size(), size_t(2));
        const RecordingPresenter::Message& message = env.windowMessages.messages.back();
        const std::string prefix = "Kestrine could not save your profiles to sv.dat: ";
        const std::string suffix = ". Fix the problem and close the window again, or choose "
                                   "File > Exit to quit without saving.";
        QVERIFY2(message.text.starts_with(prefix) && message.text.ends_with(suffix) &&
                     message.text.size() > prefix.size() + suffix.size(),
                 message.text.c_str());
        QCOMPARE(message.caption, std::string("Error"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);

        // Once the user has fixed the problem, closing again saves and closes.
        QVERIFY(QDir().mkpath(QString::fromStdString(env.ProgramFolder() + "gone/")));
        QVERIFY(window->close());
        QCOMPARE(env.ReadProgramFile("gone/sv.dat"), std::optional<std::string>("\r\n0\r\n"));
    }

    void pickingDirectoryOpensItsSubmissionPage()
    {
        SubmitterTestEnvironment env;
        StartSubmissionSite(env);
        env.WriteProgramFile("sv.dat", kTwoProfiles);
        auto window = OpenWindow(env);
        Inspect(*window).SetPageState({}, false, true);

        ClickEntry(*window, 0);
        QCOMPARE(Inspect(*window).CurrentDirectory(), std::string("Sample Directory"));
        QVERIFY(Inspect(*window).FillPending());
        QVERIFY(!Inspect(*window).Submitted());
        const auto sample = env.WaitForRequest("/submit/sample");
        QVERIFY(sample);
        QCOMPARE(sample->query, std::string("cat=100"));

        // The arrow keys pick too.
        QTest::keyClick(Inspect(*window).DirectoryList(), Qt::Key_Down);
        QCOMPARE(Inspect(*window).CurrentDirectory(), std::string("Second"));
        QVERIFY(env.WaitForRequest("/submit/second"));
        QVERIFY(env.windowMessages.messages.empty());
    }

    // The entry's text is cut at " [" nowhere: names that hold it are names like any other.
    void pickingOpensThePageOfExactlyThatDirectory_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("page");
        QTest::newRow("Feeds [EN]")
            << 0 << QStringLiteral("Feeds [EN]") << QStringLiteral("/submit/en");
        QTest::newRow("Feeds [DE]")
            << 1 << QStringLiteral("Feeds [DE]") << QStringLiteral("/submit/de");
        QTest::newRow("Feeds") << 2 << QStringLiteral("Feeds") << QStringLiteral("/submit/plain");
    }

    void pickingOpensThePageOfExactlyThatDirectory()
    {
        QFETCH(int, row);
        QFETCH(QString, directory);
        QFETCH(QString, page);
        SubmitterTestEnvironment env;
        ServeSubmissionPages(env);
        env.Start();
        env.WriteProgramFile(
            "dirdata.xml",
            DirectoryDatabaseXml({PlainDirectory("Feeds [EN]", env.server.Url("/submit/en")),
                                  PlainDirectory("Feeds [DE]", env.server.Url("/submit/de")),
                                  PlainDirectory("Feeds", env.server.Url("/submit/plain"))}));
        env.WriteProgramFile("sv.dat", StateFileLines({"Blog", "1"}) + ProfileBlock("Blog", ""));
        auto window = OpenWindow(env);

        ClickEntry(*window, row);

        QCOMPARE(QString::fromStdString(Inspect(*window).CurrentDirectory()), directory);
        QVERIFY(env.WaitForRequest(page.toStdString()));
        QVERIFY(env.databaseMessages.messages.empty());
    }

    // The page the user goes to while the directory's page still loads is the user's own:
    // it is not filled, and neither is any later one.
    void aPendingFillStaysWithTheDirectorysPage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Open Address") << QStringLiteral("Open &Address\u2026");
        QTest::newRow("Back") << QStringLiteral("&Back");
        QTest::newRow("Forward") << QStringLiteral("&Forward");
    }

    void aPendingFillStaysWithTheDirectorysPage()
    {
        QFETCH(QString, command);
        SubmitterTestEnvironment env;
        const char* const form = "<html><body><form><input name=\"title\"></form></body></html>";
        env.server.server.Get(R"(/form/\w+)",
                              [form](const httplib::Request&, httplib::Response& response) {
                                  response.set_content(form, "text/html");
                              });
        // Long enough for the user to go elsewhere before the directory's page has loaded.
        env.server.server.Get("/submit/slow",
                              [form](const httplib::Request&, httplib::Response& response) {
                                  QThread::msleep(1500);
                                  response.set_content(form, "text/html");
                              });
        env.Start();
        env.WriteProgramFile(
            "dirdata.xml",
            DirectoryDatabaseXml({"<directory name=\"Slow\" submiturl=\"" +
                                  env.server.Url("/submit/slow") +
                                  "\"><item name=\"title\" index=\"0\" value=\"#title#\" "
                                  "type=\"edit\"/></directory>"}));
        env.WriteProgramFile("sv.dat", StateFileLines({"Blog", "1"}) + ProfileBlock("Blog", ""));
        auto window = OpenWindow(env);
        BrowserDriver driver(*Inspect(*window).Browser());
        const QString user = QString::fromStdString(env.server.Url("/form/user"));
        const QString later = QString::fromStdString(env.server.Url("/form/later"));
        // History to go back or forward to: the user's page behind or ahead of the one shown.
        QVERIFY(driver.Load(user));
        if (command != QStringLiteral("Open &Address\u2026")) {
            QVERIFY(driver.Load(later));
            if (command == QStringLiteral("&Forward")) {
                Inspect(*window).Browser()->back();
                QVERIFY(WaitUntil([&] { return Inspect(*window).Browser()->url() == QUrl(user); },
                                  BrowserDriver::kTimeoutMs));
                QVERIFY(driver.WaitUntilComplete());
            }
        }
        const QString userPage = command == QStringLiteral("&Back") ? user : later;
        const QString expected = command == QStringLiteral("Open &Address\u2026") ? user : userPage;

        ClickEntry(*window, 0);
        QVERIFY(Inspect(*window).FillPending());
        ModalDialogDriver dialogs;
        dialogs.Then<QInputDialog>([&](QInputDialog& dialog) {
            dialog.setTextValue(user);
            dialog.accept();
        });
        QAction* action = MenuAction(*window->menuBar(), command);
        QVERIFY(action);
        action->trigger();
        QVERIFY(WaitUntil(
            [&] {
                return Inspect(*window).Browser()->url() == QUrl(expected) &&
                       Inspect(*window).Browser()->GetReadyState() ==
                           CBrowserCtrl::kReadyStateComplete;
            },
            BrowserDriver::kTimeoutMs));
        int ticks = 0;
        connect(Inspect(*window).Timer(), &QTimer::timeout, this, [&ticks] { ++ticks; });
        QVERIFY(WaitUntil([&ticks] { return ticks >= 3; }, BrowserDriver::kTimeoutMs));

        QVERIFY(!Inspect(*window).FillPending());
        QCOMPARE(driver.RunText(QStringLiteral("document.querySelector('[name=title]').value")),
                 QString());
    }

    void pickingDirectoryWithoutProfileAsksForOne()
    {
        SubmitterTestEnvironment env;
        StartSubmissionSite(env);
        auto window = OpenWindow(env);

        ClickEntry(*window, 1);

        const std::vector<RecordingPresenter::Message> expected{
            {kNoProfileMessage, "Error", MessageIcon::Exclamation}};
        QCOMPARE(env.windowMessages.messages, expected);
        QVERIFY(Inspect(*window).CurrentDirectory().empty());
        QVERIFY(!Inspect(*window).FillPending());
    }

    void programmaticSelectionIsNoPick()
    {
        SubmitterTestEnvironment env;
        env.Start();
        env.WriteProgramFile("dirdata.xml", SubmissionDatabase(env.server));
        auto window = OpenWindow(env);
        ClickEntry(*window, 1);
        QCOMPARE(env.windowMessages.messages.size(), size_t(1));

        // Rebuilding the list empties it and restores the index: neither is the user's choice.
        QComboBox* profiles = Inspect(*window).ProfileCombo();
        emit profiles->currentIndexChanged(profiles->currentIndex());

        QCOMPARE(env.windowMessages.messages.size(), size_t(1));
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), 1);
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()),
                 (QStringList{"Sample Directory", "Second"}));
    }

    void pickingProfileKeepsIndexRemarksAndReopens()
    {
        SubmitterTestEnvironment env;
        StartSubmissionSite(env);
        env.WriteProgramFile("sv.dat", kTwoProfiles);
        auto window = OpenWindow(env);
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()),
                 (QStringList{"Sample Directory [not sent]", "Second [sent]"}));
        ClickEntry(*window, 0);
        QVERIFY(env.WaitForRequest("/submit/sample"));
        Inspect(*window).SetPageState(Inspect(*window).CurrentDirectory(), false, false);

        QTest::keyClick(Inspect(*window).ProfileCombo(), Qt::Key_Down);

        QCOMPARE(Inspect(*window).ProfileCombo()->currentText(), QStringLiteral("News"));
        QCOMPARE(Inspect(*window).CurrentProfile().name, std::string("News"));
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()),
                 (QStringList{"Sample Directory [sent]", "Second [not sent]"}));
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), 0);
        QVERIFY(Inspect(*window).FillPending());
        // Re-opened for News, whose empty category selects another value.
        const auto reopened = env.WaitForRequest("/submit/sample", 2);
        QVERIFY(reopened);
        QCOMPARE(reopened->query, std::string("cat=1"));

        QVERIFY(window->close());
        QCOMPARE(FirstLine(env.ReadProgramFile("sv.dat").value_or("")), std::string("News"));
    }

    void pickingProfileWhenNoneIsCurrentMakesItCurrent()
    {
        SubmitterTestEnvironment env;
        StartSubmissionSite(env);
        env.WriteProgramFile("sv.dat",
                             StateFileLines({"", "1"}) + ProfileBlock("News", "", {"Second"}));
        auto window = OpenWindow(env);
        QVERIFY(!Inspect(*window).HasProfile());

        QTest::keyClick(Inspect(*window).ProfileCombo(), Qt::Key_Down);

        QVERIFY(Inspect(*window).HasProfile());
        QCOMPARE(Inspect(*window).CurrentProfile().name, std::string("News"));
        QCOMPARE(Entries(*Inspect(*window).DirectoryList()),
                 (QStringList{"Sample Directory [not sent]", "Second [sent]"}));
        // Nothing was selected in the list, so nothing is opened.
        QVERIFY(!Inspect(*window).FillPending());

        ClickEntry(*window, 0);
        const auto request = env.WaitForRequest("/submit/sample");
        QVERIFY(request);
        QCOMPARE(request->query, std::string("cat=1"));
        QVERIFY(env.windowMessages.messages.empty());
    }

    void databaseBoxLeavesTimerRunning()
    {
        SubmitterTestEnvironment env;
        env.Start();
        env.WriteProgramFile(
            "dirdata.xml", DirectoryDatabaseXml({"<directory name=\"No Page\" onsubmit=\"x\"/>"}));
        env.WriteProgramFile("sv.dat", StateFileLines({"Blog", "1"}) + ProfileBlock("Blog", ""));
        SubmitterEnvironment environment = env.Environment();
        environment.databaseMessages = nullptr; // real boxes
        auto window = OpenWindow(environment);

        int ticks = 0;
        connect(Inspect(*window).Timer(), &QTimer::timeout, this, [&] { ++ticks; });
        std::optional<int> ticksAtOpen;
        MessageBoxWatcher watcher([&] {
            if (!ticksAtOpen)
                ticksAtOpen = ticks;
            return ticks >= *ticksAtOpen + 3;
        });

        ClickEntry(*window, 0); // returns once the box is answered

        QVERIFY(watcher.seen);
        QCOMPARE(watcher.seen->owner, QPointer<QWidget>());
        QCOMPARE(watcher.seen->modality, Qt::ApplicationModal);
        QCOMPARE(watcher.seen->icon, QMessageBox::Critical);
        QVERIFY(ticks >= *ticksAtOpen + 3);
        QCOMPARE(Inspect(*window).CurrentDirectory(), std::string("No Page"));
    }

    void messageBoxShowsTextCaptionAndIcon_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("boxIcon");

        QTest::newRow("none") << MessageIcon::None << QMessageBox::NoIcon;
        QTest::newRow("exclamation") << MessageIcon::Exclamation << QMessageBox::Warning;
        QTest::newRow("error") << MessageIcon::Error << QMessageBox::Critical;
    }

    void messageBoxShowsTextCaptionAndIcon()
    {
        QFETCH(MessageIcon, icon);
        QFETCH(QMessageBox::Icon, boxIcon);
        QWidget owner;
        CMessageBoxPresenter presenter(&owner);
        MessageBoxWatcher watcher;

        presenter.ShowMessage("Update successful", "Update", icon);

        QVERIFY(watcher.seen);
        QCOMPARE(watcher.seen->text, QStringLiteral("Update successful"));
        QCOMPARE(watcher.seen->caption, QStringLiteral("Update"));
        QCOMPARE(watcher.seen->icon, boxIcon);
        QCOMPARE(watcher.seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(watcher.seen->owner, QPointer<QWidget>(&owner));
    }
};

QTEST_MAIN(SubmitterDlgTest)
#include "SubmitterDlgTest.moc"
