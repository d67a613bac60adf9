#include "ui/about/AboutDlg.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/main_window/SubmitterDlg.h"

// Help menu. The help pages replace whatever the main browser shows; the submission state is
// left alone, so a pending fill still applies to the next page the browser completes.

void CSubmitterDlg::OnAbout()
{
    CAboutDlg about(this);
    if (!m_environment.dataFolder.path.empty())
        about.ShowDataFolder(m_environment.dataFolder.path);
    about.exec();
}

void CSubmitterDlg::OnUserGuide()
{
    m_browser->Navigate(VendorUrl("/faqs/help.shtml"));
}

void CSubmitterDlg::OnSupport()
{
    m_browser->Navigate(VendorUrl("/contact/"));
}
