#pragma once

#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <string>

// The main window as a test sees it: its widgets found by object name, as a user finds them on
// screen, and the per-page submission state that no widget shows.
class SubmitterDlgInspector
{
public:
    explicit SubmitterDlgInspector(CSubmitterDlg& window) : m_window(window) {}

    QListWidget* DirectoryList() const { return Child<QListWidget>("directoryList"); }
    QComboBox* ProfileCombo() const { return Child<QComboBox>("profileCombo"); }
    QLabel* ProfileLabel() const { return Child<QLabel>("profileLabel"); }
    QPushButton* FillButton() const { return Child<QPushButton>("fillButton"); }
    CBrowserCtrl* Browser() const { return Child<CBrowserCtrl>("browser"); }
    QTimer* Timer() const { return Child<QTimer>("submissionTimer"); }

    // The selected entry's row, or -1.
    int SelectedDirectoryRow() const
    {
        const QList<QListWidgetItem*> selected = DirectoryList()->selectedItems();
        return selected.isEmpty() ? -1 : DirectoryList()->row(selected.first());
    }

    bool HasProfile() const { return m_window.m_hasProfile; }
    const ProfileRecord& CurrentProfile() const { return m_window.m_currentProfile; }
    std::string& CurrentDirectory() const { return m_window.m_currentDirectory; }
    bool& FillPending() const { return m_window.m_fillPending; }
    bool& Submitted() const { return m_window.m_submitted; }
    uint32_t SubmitTime() const { return m_window.m_submitTime; }

private:
    template <class Widget> Widget* Child(const char* name) const
    {
        auto* child = m_window.findChild<Widget*>(QString::fromLatin1(name));
        Q_ASSERT_X(child, "SubmitterDlgInspector", name);
        return child;
    }

    CSubmitterDlg& m_window;
};

inline SubmitterDlgInspector Inspect(CSubmitterDlg& window)
{
    return SubmitterDlgInspector(window);
}
