#pragma once

#include <QObject>
#include <QPointer>
#include <array>

class CBrowserTab;
class CBrowserTabs;
class CDirectoryListPanel;
class QWidget;

// The round without the mouse. F6 and Shift+F6 move the keyboard between the window's parts
// (the directory list, the page, the profile selector), as browsers move between theirs;
// Escape in the page returns to the list. When the user asks to go on in a directory's page
// (Next unsent, Enter or a double click in the list), the page takes the keyboard and, once
// filled, puts the caret into the first field left for the user, or onto the submit button
// when nothing is left. A pick by arrow keys or a single click leaves the keyboard in the list.
class CKeyboardNavigator final : public QObject
{
    Q_OBJECT

public:
    CKeyboardNavigator(QWidget& window, CDirectoryListPanel& panel, CBrowserTabs& tabs,
                       QWidget& profileSelector);

private:
    enum Part
    {
        List,
        Page,
        Profile,
        PartCount
    };

    void OnPageWanted();
    // The tab shown has a fill report now, or another tab is shown.
    void OnFillReportShown();
    void PlaceCaret(CBrowserTab& tab);
    // `step` 1 goes to the next part, -1 to the previous one.
    void CycleParts(int step);
    void FocusPart(int part);
    // The part the keyboard is in, or -1 for a control outside them (the Fill button).
    int PartWithFocus() const;

    CDirectoryListPanel& m_panel;
    CBrowserTabs& m_tabs;
    std::array<QWidget*, PartCount> m_parts;
    // The tab whose page is to take the caret once its fill has come.
    QPointer<CBrowserTab> m_caretAwaited;
};
