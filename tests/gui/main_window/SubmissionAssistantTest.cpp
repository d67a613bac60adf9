// The directory list as the user works through it: the keyboard, Next unsent, the filter, the
// progress line, and a database of 50,000 directories.
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"
#include "support/WaitUntil.h"
#include "support/WidgetTexts.h"
#include "ui/directory_panel/DirectoryListModel.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QTest>
#include <memory>

namespace {

std::string ThreeDirectories(const LocalHttpServer& server)
{
    return DirectoryDatabaseXml({PlainDirectory("Alpha", server.Url("/submit/alpha")),
                                 PlainDirectory("Beta", server.Url("/submit/beta")),
                                 PlainDirectory("Gamma", server.Url("/submit/gamma"))});
}

// Blog is current and has sent to Beta; Done has sent to every directory.
const std::string kProfiles = StateFileLines({"Blog", "2"}) + ProfileBlock("Blog", "", {"Beta"}) +
                              ProfileBlock("Done", "", {"Alpha", "Beta", "Gamma"});

} // namespace

class SubmissionAssistantTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CSubmitterDlg> OpenWindow(const std::string& database,
                                              const std::string& stateFile = kProfiles)
    {
        m_env = std::make_unique<SubmitterTestEnvironment>();
        m_env->server.server.Get(
            R"(/submit/.*)", [](const httplib::Request&, httplib::Response& response) {
                response.set_content("<html><body></body></html>", "text/html");
            });
        m_env->Start();
        m_env->WriteProgramFile("dirdata.xml",
                                database.empty() ? ThreeDirectories(m_env->server) : database);
        m_env->WriteProgramFile("sv.dat", stateFile);
        auto window = std::make_unique<CSubmitterDlg>(m_env->Environment());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()) || !Inspect(*window).WaitForDatabase())
            qWarning("the main window did not start");
        return window;
    }

    std::unique_ptr<SubmitterTestEnvironment> m_env;

private slots:
    void firstKeyInAListWithoutSelectionPicksTheFirstDirectory_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Down") << int(Qt::Key_Down);
        QTest::newRow("Home") << int(Qt::Key_Home);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void firstKeyInAListWithoutSelectionPicksTheFirstDirectory()
    {
        QFETCH(int, key);
        auto window = OpenWindow({});
        QListView& list = *Inspect(*window).DirectoryList();
        list.setFocus();
        QTest::keyClick(&list, Qt::Key(key));
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), 0);
        QCOMPARE(Inspect(*window).CurrentDirectory(), std::string("Alpha"));
        // From there the keys move on as usual.
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(Inspect(*window).CurrentDirectory(), std::string("Beta"));
    }

    void nextUnsentWrapsAndSaysWhenAllAreSent()
    {
        auto window = OpenWindow({});
        QCOMPARE(Inspect(*window).ProgressStatus()->text(),
                 QStringLiteral("1 of 3 directories sent for Blog"));

        QStringList opened;
        for (int press = 0; press < 3; ++press) {
            QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
            opened.append(QString::fromStdString(Inspect(*window).CurrentDirectory()));
        }
        QCOMPARE(opened, (QStringList{"Alpha", "Gamma", "Alpha"}));
        QVERIFY(m_env->WaitForRequest("/submit/alpha"));

        Inspect(*window).ProfileCombo()->setCurrentIndex(
            Inspect(*window).ProfileCombo()->findText(QStringLiteral("Done")));
        QCOMPARE(Inspect(*window).ProgressStatus()->text(),
                 QStringLiteral("3 of 3 directories sent for Done"));
        Inspect(*window).NextUnsentButton()->click();
        QCOMPARE(Inspect(*window).FillStatus()->text(),
                 QStringLiteral("Every directory is sent for Done"));
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), 0);
    }

    void filterHidesEntriesAndKeepsTheSelectionUnlessHidden()
    {
        auto window = OpenWindow({});
        QListView& list = *Inspect(*window).DirectoryList();
        Inspect(*window).PickDirectoryRow(2); // Gamma
        QVERIFY(m_env->WaitForRequest("/submit/gamma"));
        const size_t requests = m_env->server.Requests().size();

        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(Inspect(*window).SearchBox()->hasFocus());
        QTest::keyClicks(Inspect(*window).SearchBox(), QStringLiteral("MM"));
        QCOMPARE(Entries(list), QStringList{"Gamma [not sent]"});
        QCOMPARE(Inspect(*window).Entry(Inspect(*window).SelectedDirectoryRow()),
                 QStringLiteral("Gamma [not sent]"));

        Inspect(*window).SearchBox()->setText(QStringLiteral("a"));
        QCOMPARE(Entries(list),
                 (QStringList{"Alpha [not sent]", "Beta [sent]", "Gamma [not sent]"}));
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), 2);
        Inspect(*window).UnsentOnlyBox()->setChecked(true);
        QCOMPARE(Entries(list), (QStringList{"Alpha [not sent]", "Gamma [not sent]"}));
        QCOMPARE(Inspect(*window).Entry(Inspect(*window).SelectedDirectoryRow()),
                 QStringLiteral("Gamma [not sent]"));

        // Hiding the selected entry drops the selection and opens nothing.
        Inspect(*window).SearchBox()->setText(QStringLiteral("alp"));
        QCOMPARE(Entries(list), QStringList{"Alpha [not sent]"});
        QCOMPARE(Inspect(*window).SelectedDirectoryRow(), -1);
        QCOMPARE(Inspect(*window).CurrentDirectory(), std::string("Gamma"));
        QCOMPARE(m_env->server.Requests().size(), requests);
        QVERIFY(m_env->windowMessages.messages.empty());

        // Next unsent goes only where the filter shows.
        Inspect(*window).NextUnsentButton()->click();
        QCOMPARE(Inspect(*window).CurrentDirectory(), std::string("Alpha"));
    }

    // Entries are made from the names on demand: markers follow the flags, and whether a
    // directory is the user's own is a role of its row that leaves the entry's text alone.
    void entriesComeFromNamesMarksAndUserDirectories()
    {
        CDirectoryListModel model;
        model.SetDirectories(std::make_shared<const std::vector<std::string>>(
            std::vector<std::string>{"Alpha", "Beta"}));
        const auto entries = [&model] {
            QStringList texts;
            for (int row = 0; row < model.rowCount(); ++row) {
                const QModelIndex index = model.index(row);
                texts.append(index.data().toString() +
                             (index.data(CDirectoryListModel::kUserDirectoryRole).toBool()
                                  ? QStringLiteral("*")
                                  : QString()));
            }
            return texts;
        };
        QCOMPARE(entries(), (QStringList{"Alpha", "Beta"}));
        model.SetMarks(true, {0, 1});
        QCOMPARE(entries(), (QStringList{"Alpha [not sent]", "Beta [sent]"}));
        model.SetUserDirectoryTest([](const std::string& name) { return name == "Alpha"; });
        model.MarkSent(0);
        QCOMPARE(entries(), (QStringList{"Alpha [sent]*", "Beta [sent]"}));
        QVERIFY(!model.index(0).data(Qt::ToolTipRole).toString().isEmpty());
        QVERIFY(model.index(1).data(Qt::ToolTipRole).isNull());
        QCOMPARE(model.SentCount(), size_t(2));
        model.SetMarks(false, {});
        QCOMPARE(entries(), (QStringList{"Alpha*", "Beta"}));
        QCOMPARE(model.FindDirectory("Beta"), std::optional<size_t>(1));
        QCOMPARE(model.FindDirectory("Alph"), std::optional<size_t>());
        model.SetDirectories(std::make_shared<const std::vector<std::string>>(
            std::vector<std::string>{"Feeds [EN]", "Feeds [DE]", "Feeds"}));
        QCOMPARE(model.FindDirectory("Feeds [DE]"), std::optional<size_t>(1));
        QCOMPARE(model.FindDirectory("Feeds"), std::optional<size_t>(2));
    }

    void fiftyThousandDirectoriesAreAllListedAndMarked()
    {
        constexpr int kDirectories = 50000;
        std::string xml = "<?xml version=\"1.0\"?>\n<r>\n";
        std::string sent;
        int sentCount = 0;
        for (int index = 0; index < kDirectories; ++index) {
            const std::string name = "Directory " + std::to_string(index);
            xml += "<directory name=\"" + name + "\" submiturl=\"http://127.0.0.1:1/\"/>\n";
            if (index % 7 == 3) {
                sent += name + "\r\n";
                ++sentCount;
            }
        }
        const std::string state =
            StateFileLines({"Big", "1"}) +
            StateFileLines({"Big", "", "", "", "", "", "", "", "", "", std::to_string(sentCount)}) +
            sent;
        auto window = OpenWindow(xml + "</r>\n", state);

        const QAbstractItemModel& list = *Inspect(*window).DirectoryList()->model();
        QCOMPARE(list.rowCount(), kDirectories);
        for (int row = 0; row < kDirectories; ++row) {
            const QString expected =
                QStringLiteral("Directory %1 %2")
                    .arg(row)
                    .arg(row % 7 == 3 ? QStringLiteral("[sent]") : QStringLiteral("[not sent]"));
            if (list.index(row, 0).data().toString() != expected)
                QFAIL(qPrintable(QStringLiteral("row %1 shows %2, not %3")
                                     .arg(row)
                                     .arg(list.index(row, 0).data().toString(), expected)));
        }
        QCOMPARE(Inspect(*window).ProgressStatus()->text(),
                 QStringLiteral("%1 of 50000 directories sent for Big").arg(sentCount));
    }
};

QTEST_MAIN(SubmissionAssistantTest)
#include "SubmissionAssistantTest.moc"
