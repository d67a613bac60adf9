#include "ui/history/HistoryDlg.h"

#include "history/HistoryStore.h"
#include "support/FileBytes.h"
#include "support/ScopedTimeZone.h"
#include "support/TemporaryFolder.h"
#include "ui/history/HistoryFilterModel.h"
#include "ui/history/HistoryTableModel.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::string)

class HistoryDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void showsEveryEventNewestFirst();
    void narrowsToAProfileAndADirectoryByTheirBytes_data();
    void narrowsToAProfileAndADirectoryByTheirBytes();
    void aDoubleClickAsksForTheEventsDirectory();
    void aHistoryItCannotReadIsNamedAndTheTableIsEmpty();

private:
    void Write(const std::vector<HistoryEvent>& events);
    static int IndexOf(const QComboBox& combo, const std::string& name);
    // The window's parts, found by object name as a user finds them on screen.
    template <class Part> static Part& Child(const CHistoryDlg& dialog, const char* name)
    {
        auto* child = dialog.findChild<Part*>(QString::fromLatin1(name));
        Q_ASSERT_X(child, "HistoryDlgTest", name);
        return *child;
    }
    static QTableView& Table(const CHistoryDlg& d) { return Child<QTableView>(d, "historyTable"); }
    static QLabel& Problem(const CHistoryDlg& d) { return Child<QLabel>(d, "historyProblem"); }
    static QComboBox& ProfileFilter(const CHistoryDlg& d)
    {
        return Child<QComboBox>(d, "profileFilter");
    }
    static QComboBox& DirectoryFilter(const CHistoryDlg& d)
    {
        return Child<QComboBox>(d, "directoryFilter");
    }
    QStringList Column(const CHistoryDlg& dialog, int column) const;

    std::unique_ptr<TemporaryFolder> m_folder;
    // The history keeps UTC; the window shows the user's zone, whatever the machine's is.
    ScopedTimeZone m_zone{"Asia/Kolkata"};
};

namespace {

// "Café" in Latin-1 and in UTF-8 look the same in the table but are different profiles.
const std::string kLatin1Cafe = "Caf\xe9";
const std::string kUtf8Cafe = "Caf\xc3\xa9";

HistoryEvent Event(int64_t time, const std::string& profile, const std::string& directory,
                   HistoryEventKind kind)
{
    return {time,
            profile,
            directory,
            kind,
            kind == HistoryEventKind::Filled ? 3 : 0,
            kind == HistoryEventKind::Filled ? 4 : 0,
            "http://127.0.0.1/" + directory};
}

} // namespace

void HistoryDlgTest::init()
{
    m_folder = std::make_unique<TemporaryFolder>();
    QVERIFY(m_folder->IsValid());
    Write({Event(1000, kLatin1Cafe, "Atlas", HistoryEventKind::Opened),
           Event(2000, kLatin1Cafe, "Atlas", HistoryEventKind::Filled),
           Event(3000, kUtf8Cafe, "Atlas", HistoryEventKind::NotConfirmed),
           Event(4000, kUtf8Cafe, "Pingwell", HistoryEventKind::MarkedByHand)});
}

void HistoryDlgTest::Write(const std::vector<HistoryEvent>& events)
{
    CHistoryStore store;
    QVERIFY(store.Open(m_folder->File("history.sqlite")).ok);
    for (const HistoryEvent& event : events)
        QVERIFY(store.Append(event).ok);
}

int HistoryDlgTest::IndexOf(const QComboBox& combo, const std::string& name)
{
    return combo.findData(QByteArray::fromStdString(name));
}

QStringList HistoryDlgTest::Column(const CHistoryDlg& dialog, int column) const
{
    QStringList texts;
    const QAbstractItemModel* model = Table(dialog).model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

void HistoryDlgTest::showsEveryEventNewestFirst()
{
    CHistoryDlg dialog(m_folder->File("history.sqlite"));
    QCOMPARE(Column(dialog, CHistoryTableModel::kTime),
             (QStringList{"1970-01-01 05:30:04", "1970-01-01 05:30:03", "1970-01-01 05:30:02",
                          "1970-01-01 05:30:01"}));
    QCOMPARE(Table(dialog).model()->headerData(CHistoryTableModel::kTime, Qt::Horizontal),
             QVariant(QStringLiteral("Time (Asia/Kolkata)")));
    QCOMPARE(Column(dialog, CHistoryTableModel::kEvent),
             (QStringList{"Marked as sent", "Not confirmed", "Filled", "Opened"}));
    QCOMPARE(Column(dialog, CHistoryTableModel::kFields), (QStringList{"", "", "3 of 4", ""}));
    QCOMPARE(Column(dialog, CHistoryTableModel::kProfile),
             (QStringList{"Caf\u00e9", "Caf\u00e9", "Caf\u00e9", "Caf\u00e9"}));
    QVERIFY(Problem(dialog).isHidden());

    // A reload shows what was written since and keeps the choice of profile.
    ProfileFilter(dialog).setCurrentIndex(IndexOf(ProfileFilter(dialog), kUtf8Cafe));
    Write({Event(5000, kUtf8Cafe, "Registry", HistoryEventKind::Opened)});
    dialog.Reload();
    QCOMPARE(Column(dialog, CHistoryTableModel::kDirectory),
             (QStringList{"Registry", "Pingwell", "Atlas"}));
}

void HistoryDlgTest::narrowsToAProfileAndADirectoryByTheirBytes_data()
{
    QTest::addColumn<std::string>("profile"); // empty: all
    QTest::addColumn<std::string>("directory");
    QTest::addColumn<QStringList>("times");
    QTest::newRow("all") << std::string() << std::string()
                         << QStringList{"05:30:04", "05:30:03", "05:30:02", "05:30:01"};
    QTest::newRow("Latin-1 profile")
        << kLatin1Cafe << std::string() << QStringList{"05:30:02", "05:30:01"};
    QTest::newRow("UTF-8 profile")
        << kUtf8Cafe << std::string() << QStringList{"05:30:04", "05:30:03"};
    QTest::newRow("directory") << std::string() << std::string("Atlas")
                               << QStringList{"05:30:03", "05:30:02", "05:30:01"};
    QTest::newRow("both") << kUtf8Cafe << std::string("Atlas") << QStringList{"05:30:03"};
    QTest::newRow("none left") << kLatin1Cafe << std::string("Pingwell") << QStringList{};
}

void HistoryDlgTest::narrowsToAProfileAndADirectoryByTheirBytes()
{
    QFETCH(std::string, profile);
    QFETCH(std::string, directory);
    QFETCH(QStringList, times);
    CHistoryDlg dialog(m_folder->File("history.sqlite"));
    QCOMPARE(ProfileFilter(dialog).count(), 3);
    QCOMPARE(DirectoryFilter(dialog).count(), 3);
    ProfileFilter(dialog).setCurrentIndex(
        profile.empty() ? 0 : IndexOf(ProfileFilter(dialog), profile));
    DirectoryFilter(dialog).setCurrentIndex(
        directory.empty() ? 0 : IndexOf(DirectoryFilter(dialog), directory));
    QStringList shown;
    for (const QString& time : Column(dialog, CHistoryTableModel::kTime))
        shown.append(time.right(8));
    QCOMPARE(shown, times);
}

void HistoryDlgTest::aDoubleClickAsksForTheEventsDirectory()
{
    CHistoryDlg dialog(m_folder->File("history.sqlite"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    DirectoryFilter(dialog).setCurrentIndex(IndexOf(DirectoryFilter(dialog), "Pingwell"));
    QSignalSpy activated(&dialog, &CHistoryDlg::directoryActivated);
    QTableView& table = Table(dialog);
    const QRect cell = table.visualRect(table.model()->index(0, CHistoryTableModel::kEvent));
    // A view takes a double-click only on the item that took the press before it.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated[0][0].toByteArray(), QByteArrayLiteral("Pingwell"));
}

void HistoryDlgTest::aHistoryItCannotReadIsNamedAndTheTableIsEmpty()
{
    const std::string path = m_folder->File("history.sqlite");
    std::filesystem::remove(path + "-wal");
    std::filesystem::remove(path + "-shm");
    WriteWholeFile(path, std::string(8192, 'x'));
    CHistoryDlg dialog(path);
    QVERIFY(!Problem(dialog).isHidden());
    QVERIFY2(Problem(dialog).text().contains(QStringLiteral("not a database")),
             qPrintable(Problem(dialog).text()));
    QCOMPARE(Table(dialog).model()->rowCount(), 0);
    QCOMPARE(ProfileFilter(dialog).count(), 1);
}

QTEST_MAIN(HistoryDlgTest)
#include "HistoryDlgTest.moc"
