#pragma once

#include "support/WaitUntil.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/directory_panel/DirectoryListModel.h"
#include "ui/main_window/SubmitterDlg.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/tabs/BrowserTabs.h"
#include "ui/tabs/SubmissionSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

// The main window as a test sees it: its widgets found by object name, as a user finds them on
// screen, and the per-page submission state that no widget shows.
class SubmitterDlgInspector
{
public:
    explicit SubmitterDlgInspector(CSubmitterDlg& window) : m_window(window) {}

    QListView* DirectoryList() const { return Child<QListView>("directoryList"); }
    QComboBox* ProfileCombo() const { return Child<QComboBox>("profileCombo"); }
    QLabel* ProfileLabel() const { return Child<QLabel>("profileLabel"); }
    QPushButton* FillButton() const { return Child<QPushButton>("fillButton"); }
    QPushButton* NextUnsentButton() const { return Child<QPushButton>("nextUnsentButton"); }
    QLineEdit* SearchBox() const { return Child<QLineEdit>("directorySearch"); }
    QCheckBox* UnsentOnlyBox() const { return Child<QCheckBox>("unsentOnly"); }
    QCheckBox* HideUnreachableBox() const { return Child<QCheckBox>("hideUnreachable"); }
    QLabel* FillStatus() const { return Child<QLabel>("fillStatus"); }
    QLabel* ProgressStatus() const { return Child<QLabel>("progressStatus"); }
    // The tabs over the browser, and the browser of the tab shown.
    CBrowserTabs* Tabs() const { return Child<CBrowserTabs>("browserTabs"); }
    CBrowserCtrl* Browser() const { return Tabs()->CurrentTab()->Browser(); }
    QTimer* Timer() const { return Child<QTimer>("submissionTimer"); }

    // dirdata.xml is read while the window starts; false when it was not read in time.
    [[nodiscard]] bool WaitForDatabase() const
    {
        return WaitUntil([this] { return m_window.IsDatabaseLoaded(); }, 15000);
    }

    // The selected entry's row, or -1.
    int SelectedDirectoryRow() const
    {
        const QModelIndexList selected = DirectoryList()->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.first().row();
    }
    // The row with the list's focus frame, or -1.
    int CurrentDirectoryRow() const { return DirectoryList()->currentIndex().row(); }
    QString Entry(int row) const
    {
        return DirectoryList()->model()->index(row, 0).data().toString();
    }
    int EntryCount() const { return DirectoryList()->model()->rowCount(); }
    // The row whose entry reads exactly `entry`, or -1.
    int RowOfEntry(const QString& entry) const
    {
        for (int row = 0; row < EntryCount(); ++row) {
            if (Entry(row) == entry)
                return row;
        }
        return -1;
    }
    // Whether the row shows one of the user's own directories.
    bool IsUserDirectoryRow(int row) const
    {
        return DirectoryList()
            ->model()
            ->index(row, 0)
            .data(CDirectoryListModel::kUserDirectoryRole)
            .toBool();
    }
    // Selects the entry as the user's click or keys would: the window hears of it.
    void PickDirectoryRow(int row) const
    {
        DirectoryList()->selectionModel()->setCurrentIndex(DirectoryList()->model()->index(row, 0),
                                                           QItemSelectionModel::ClearAndSelect);
    }
    // Selects the entry without the window hearing of it.
    void SelectDirectoryRowQuietly(int row) const
    {
        const QSignalBlocker blocker(DirectoryList()->selectionModel());
        PickDirectoryRow(row);
    }

    // The menu command with this text, as the user finds it in the menu bar.
    QAction* MenuCommand(const QString& text) const
    {
        for (QAction* menu : m_window.menuBar()->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                if (item->text() == text)
                    return item;
            }
        }
        qFatal("no menu command %s", qPrintable(text));
    }

    // Where a widget lies in the window's client area, whichever part holds it.
    QRect ClientGeometry(const QWidget& widget) const
    {
        return {widget.mapTo(m_window.centralWidget(), QPoint(0, 0)), widget.size()};
    }

    bool HasProfile() const { return Profile().HasProfile(); }
    const ProfileRecord& CurrentProfile() const { return Profile().Record(); }
    const CCurrentProfile& Profile() const { return *Child<CCurrentProfile>("currentProfile"); }
    const std::string& CurrentDirectory() const { return Session().Directory(); }
    bool FillPending() const { return Session().Snapshot().fillPending; }
    bool Submitted() const { return Session().Snapshot().submitted; }
    uint32_t SubmitTime() const { return Session().Snapshot().submitTime; }
    // Puts the page's submission state as a test needs it.
    void SetPageState(const std::string& directory, bool fillPending, bool submitted) const
    {
        CSubmissionSession::State state = Session().Snapshot();
        state.directory = directory;
        state.fillPending = fillPending;
        state.submitted = submitted;
        state.submitProfile = submitted && HasProfile() ? CurrentProfile().name : std::string();
        Session().Restore(state);
    }
    // The submission session of the tab shown.
    CSubmissionSession& Session() const { return Tabs()->CurrentTab()->Session(); }

private:
    template <class Part> Part* Child(const char* name) const
    {
        auto* child = m_window.findChild<Part*>(QString::fromLatin1(name));
        Q_ASSERT_X(child, "SubmitterDlgInspector", name);
        return child;
    }

    CSubmitterDlg& m_window;
};

inline SubmitterDlgInspector Inspect(CSubmitterDlg& window)
{
    return SubmitterDlgInspector(window);
}

// A main window shown on screen with its database read, as a user meets it after the start.
inline std::unique_ptr<CSubmitterDlg> OpenShownWindow(SubmitterEnvironment environment)
{
    auto window = std::make_unique<CSubmitterDlg>(std::move(environment));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the main window was not exposed");
    if (!Inspect(*window).WaitForDatabase())
        qWarning("the main window did not read its database");
    return window;
}
