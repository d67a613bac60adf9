#include "ui/tabs/WorkAhead.h"

#include "ui/settings/WorkAheadDlg.h"
#include "ui/tabs/BrowserTabs.h"

#include <QTimer>
#include <utility>

CWorkAhead::CWorkAhead(CBrowserTabs& tabs, CProgramSettings settings, NextDirectories nextUnsent,
                       std::function<bool()> canWorkAhead, QObject* parent)
    : QObject(parent), m_tabs(tabs), m_settings(std::move(settings)),
      m_nextUnsent(std::move(nextUnsent)), m_canWorkAhead(std::move(canWorkAhead))
{
    ApplySettings();
    // Next unsent goes on from the tab shown.
    connect(&m_tabs, &CBrowserTabs::currentTabChanged, this, &CWorkAhead::Replan);
}

void CWorkAhead::Replan()
{
    if (std::exchange(m_replanDue, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_replanDue = false;
        KeepNextDirectoriesReady();
    });
}

void CWorkAhead::Configure(QWidget* dialogParent)
{
    if (CWorkAheadDlg(m_settings, dialogParent).exec() == QDialog::Accepted) {
        ApplySettings();
        Replan();
    }
}

void CWorkAhead::ApplySettings()
{
    const CProgramSettings::WorkAhead workAhead = m_settings.TabsWorkAhead();
    m_tabs.SetWorkAhead(workAhead.readyTabs, workAhead.keepFinishedTabs);
}

void CWorkAhead::KeepNextDirectoriesReady()
{
    // Working ahead begins with the user's first directory, and only with a profile whose
    // values to fill in.
    const std::string& current = m_tabs.CurrentTab()->Directory();
    if (m_tabs.ReadyTabsWanted() == 0 || current.empty() || !m_canWorkAhead())
        return m_tabs.KeepReady({});
    // More than wanted: those open in the user's own tabs are passed over.
    const auto asked = static_cast<size_t>(m_tabs.ReadyTabsWanted() + m_tabs.count());
    m_tabs.KeepReady(m_nextUnsent(current, asked));
}
