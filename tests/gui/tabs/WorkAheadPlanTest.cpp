// Working ahead as a part of its own, beside the tabs and apart from any window: the plan is
// made once for all the changes of one turn, from the directory of the tab shown, for as many
// directories as the settings ask.
#include "common/DataFolder.h"
#include "directory_db/DirectoryDatabase.h"
#include "profiles/ProfileStore.h"
#include "support/FileBytes.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingPresenter.h"
#include "support/WaitUntil.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/tabs/BrowserTabs.h"
#include "ui/tabs/SubmissionSession.h"
#include "ui/tabs/WorkAhead.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

class WorkAheadPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void plansOnceATurnFromTheTabShown_data();
    void plansOnceATurnFromTheTabShown();
};

void WorkAheadPlanTest::plansOnceATurnFromTheTabShown_data()
{
    QTest::addColumn<int>("readyTabs"); // as Settings > Work Ahead… chose
    QTest::addColumn<bool>("canWorkAhead");
    QTest::addColumn<QStringList>("tabs"); // the directories of the tabs, once planned
    QTest::addColumn<int>("questions");    // how often the list was asked for the next ones

    QTest::newRow("two kept ready") << 2 << true << QStringList{"D0", "D1", "D2"} << 1;
    QTest::newRow("working ahead off") << 0 << true << QStringList{"D0"} << 0;
    QTest::newRow("no profile to fill in") << 2 << false << QStringList{"D0"} << 0;
}

void WorkAheadPlanTest::plansOnceATurnFromTheTabShown()
{
    QFETCH(int, readyTabs);
    QFETCH(bool, canWorkAhead);
    QFETCH(QStringList, tabs);
    QFETCH(int, questions);

    LocalHttpServer server;
    server.server.Get(R"(/form/(D\d))", [](const httplib::Request&, httplib::Response& r) {
        r.set_content("<html><body><form><input name=\"title\"></form></body></html>", "text/html");
    });
    server.Start();
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + '/';
    std::string directories = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n";
    for (const char* name : {"D0", "D1", "D2", "D3"}) {
        directories += std::string("<directory name=\"") + name + "\" submiturl=\"" +
                       server.Url(std::string("/form/") + name) + "\"/>\n";
    }
    WriteWholeFile(path + "dirdata.xml", directories + "</r>\n");
    WriteWholeFile(path + "kestrine.conf", "[tabs]\nready=" + std::to_string(readyTabs) + "\n");
    RecordingPresenter presenter;
    CDirectoryDatabase database(presenter);
    QVERIFY(database.LoadFile(path + "dirdata.xml"));
    CProfileStore store;
    CCurrentProfile profile(store, DataFolder::At(path), presenter, nullptr);
    QWidget window;
    CBrowserTabs browserTabs({database, profile, [] { return 0u; }, presenter}, &window);
    std::vector<std::string> askedAfter;
    CWorkAhead workAhead(
        browserTabs, CProgramSettings(path, QString()),
        [&askedAfter](const std::string& after, size_t count) {
            askedAfter.push_back(after);
            const std::vector<std::string> next{"D1", "D2", "D3"};
            return std::vector<std::string>(next.begin(),
                                            next.begin() + std::min(count, next.size()));
        },
        [canWorkAhead] { return canWorkAhead; }, nullptr);

    // The tab shown holds D0's page; a pick, a mark and a filter change come in one turn.
    browserTabs.CurrentTab()->Session().SetDirectory("D0");
    for (int change = 0; change < 3; ++change)
        workAhead.Replan();
    QVERIFY(askedAfter.empty());
    QVERIFY(WaitUntil(
        [&] {
            return browserTabs.count() == tabs.size() &&
                   askedAfter.size() == static_cast<size_t>(questions);
        },
        15000));
    QCoreApplication::processEvents(); // nothing more is on its way
    QStringList held;
    for (const CBrowserTab* tab : browserTabs.Tabs())
        held.append(QString::fromStdString(tab->Directory()));
    QCOMPARE(held, tabs);
    QCOMPARE(askedAfter, std::vector<std::string>(questions, "D0"));
}

QTEST_MAIN(WorkAheadPlanTest)
#include "WorkAheadPlanTest.moc"
