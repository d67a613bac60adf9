#pragma once

#include <QPointer>
#include <QString>
#include <Qt>
#include <optional>
#include <string>

class CBrowserTab;
class CBrowserTabs;
class CSubmitterDlg;

// The user of the keyboard round: goes through the directories with the keyboard alone, as a
// new user or a screen reader user would. Ctrl+N, the answers the page asks for (the word in
// the picture, a tick for "I agree"), and Enter. Every key is pressed where the keyboard is at
// that moment; the keys besides the answers are counted.
class KeyboardUser
{
public:
    explicit KeyboardUser(CSubmitterDlg& window);

    // Presses Ctrl+N and waits until the caret is in the next directory's field for the word;
    // the seconds that took, or nullopt when it never got there.
    std::optional<double> NextUnsent();
    // Reads the page for the scripted user's think time, types the word, ticks "I agree" when
    // the page asks for it, and submits with Enter; false when the program never saw the page
    // submitted.
    bool Answer(const std::string& word, bool agree);
    // Keys pressed besides the answers.
    int KeysPressed() const { return m_keysPressed; }

private:
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool CaretInWordField() const;
    // Waits until the page shown makes the script `condition` answer "true".
    bool Sees(const QString& condition) const;

    CSubmitterDlg& m_window;
    CBrowserTabs& m_tabs;
    QPointer<CBrowserTab> m_shown; // the page the user answers
    std::string m_lastDirectory;
    int m_keysPressed = 0;
};
