#include "ui/main_window/KeyboardNavigator.h"

#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/CaretPlacement.h"
#include "ui/directory_panel/DirectoryListPanel.h"
#include "ui/tabs/BrowserTabs.h"
#include "ui/tabs/SubmissionSession.h"

#include <QApplication>
#include <QShortcut>

CKeyboardNavigator::CKeyboardNavigator(QWidget& window, CDirectoryListPanel& panel,
                                       CBrowserTabs& tabs, QWidget& profileSelector)
    : QObject(&window), m_panel(panel), m_tabs(tabs), m_parts{&panel, &tabs, &profileSelector}
{
    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), &window);
    connect(next, &QShortcut::activated, this, [this] { CycleParts(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), &window);
    connect(previous, &QShortcut::activated, this, [this] { CycleParts(-1); });
    // Only while the keyboard is in the page: the list and the dialogs keep their own Escape.
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), &tabs);
    back->setContext(Qt::WidgetWithChildrenShortcut);
    connect(back, &QShortcut::activated, this, [this] { FocusPart(List); });

    connect(&panel, &CDirectoryListPanel::pageWanted, this, &CKeyboardNavigator::OnPageWanted);
    connect(&tabs, &CBrowserTabs::fillReportShown, this, &CKeyboardNavigator::OnFillReportShown);
}

void CKeyboardNavigator::OnPageWanted()
{
    CBrowserTab* tab = m_tabs.CurrentTab();
    // Typing goes to the page from now on, not to the list, even before its fill has come.
    tab->Browser()->setFocus(Qt::OtherFocusReason);
    m_caretAwaited = tab;
    // A tab kept ready, or a page shown again, is filled already; a page on its way is not.
    if (tab->FillReportShown() && !tab->Session().Snapshot().fillPending)
        PlaceCaret(*tab);
}

void CKeyboardNavigator::OnFillReportShown()
{
    CBrowserTab* tab = m_tabs.CurrentTab();
    if (m_caretAwaited == tab && tab->FillReportShown() && !tab->Session().Snapshot().fillPending)
        PlaceCaret(*tab);
}

void CKeyboardNavigator::PlaceCaret(CBrowserTab& tab)
{
    m_caretAwaited = nullptr;
    PlaceCaretForUser(*tab.Browser()->GetDocument(), &tab, [this, &tab](CaretPlace place) {
        // The page may have been given a new view of its own meanwhile; the user may have gone
        // elsewhere, which the caret does not follow.
        if (&tab != m_tabs.CurrentTab() || PartWithFocus() != Page)
            return;
        // No filled form yet (its fields are in a frame still loading): the page's next
        // report tries again.
        if (place == CaretPlace::Nowhere)
            m_caretAwaited = &tab;
        tab.Browser()->setFocus(Qt::OtherFocusReason);
    });
}

void CKeyboardNavigator::CycleParts(int step)
{
    const int from = PartWithFocus();
    const int start = from < 0 ? (step > 0 ? PartCount - 1 : 0) : from;
    FocusPart((start + step + PartCount) % PartCount);
}

void CKeyboardNavigator::FocusPart(int part)
{
    // The user takes the keyboard elsewhere: a caret still to come stays away.
    m_caretAwaited = nullptr;
    switch (part) {
    case List:
        m_panel.FocusList();
        break;
    case Page:
        m_tabs.CurrentBrowser().setFocus(Qt::ShortcutFocusReason);
        break;
    default:
        m_parts[Profile]->setFocus(Qt::ShortcutFocusReason);
        break;
    }
}

int CKeyboardNavigator::PartWithFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    for (int part = 0; part < PartCount; ++part) {
        if (focus && (focus == m_parts[part] || m_parts[part]->isAncestorOf(focus)))
            return part;
    }
    return -1;
}
