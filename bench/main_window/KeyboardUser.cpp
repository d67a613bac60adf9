#include "KeyboardUser.h"

#include "ScriptedUser.h"
#include "support/BrowserDriver.h"
#include "support/SubmitterDlgInspector.h"
#include "support/WaitUntil.h"
#include "ui/tabs/BrowserTab.h"
#include "ui/tabs/BrowserTabs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

namespace {

constexpr int kPageTimeoutMs = 20000;
constexpr int kSubmissionTimeoutMs = 5000;

// Where the keyboard is: the widget that gets the next key.
QWidget* KeyboardFocus(QWidget& window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : &window;
}

} // namespace

KeyboardUser::KeyboardUser(CSubmitterDlg& window)
    : m_window(window), m_tabs(*Inspect(window).Tabs())
{}

void KeyboardUser::Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(KeyboardFocus(m_window), key, modifiers);
    ++m_keysPressed;
}

bool KeyboardUser::CaretInWordField() const
{
    CBrowserTab* tab = m_tabs.CurrentTab();
    QWidget* focus = QApplication::focusWidget();
    if (!tab || tab->Directory() == m_lastDirectory || !focus ||
        !tab->Browser()->isAncestorOf(focus))
        return false;
    return BrowserDriver(*tab->Browser())
               .RunText(QStringLiteral("document.activeElement && document.activeElement.name")) ==
           QStringLiteral("word");
}

std::optional<double> KeyboardUser::NextUnsent()
{
    QElapsedTimer clock;
    clock.start();
    Press(Qt::Key_N, Qt::ControlModifier);
    if (!WaitUntil([this] { return CaretInWordField(); }, kPageTimeoutMs))
        return std::nullopt;
    m_shown = m_tabs.CurrentTab();
    // The user sees the caret once the page has drawn itself with it; keys typed into a page
    // shown from the background before its first frame can be lost.
    m_shown->Browser()->page()->runJavaScript(
        QStringLiteral("window.benchCaretDrawn = false; requestAnimationFrame(() => "
                       "requestAnimationFrame(() => { window.benchCaretDrawn = true; }))"));
    if (!Sees(QStringLiteral("String(window.benchCaretDrawn)")))
        return std::nullopt;
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    m_lastDirectory = m_shown->Directory();
    return seconds;
}

bool KeyboardUser::Sees(const QString& condition) const
{
    BrowserDriver page(*m_shown->Browser());
    return WaitUntil([&] { return page.RunText(condition) == QStringLiteral("true"); },
                     kSubmissionTimeoutMs);
}

bool KeyboardUser::Answer(const std::string& word, bool agree)
{
    if (!m_shown)
        return false;
    // The user reads the page and the picture first, and, like a person, looks at what each
    // answer did before the next key.
    ScriptedUser::Pause(ScriptedUser::kThinkMs);
    QTest::keyClicks(KeyboardFocus(m_window), QString::fromStdString(word));
    if (!Sees(QStringLiteral("String(document.activeElement.value === '%1')")
                  .arg(QString::fromStdString(word))))
        return false;
    if (agree) {
        // From the word to the box below it; the tick is the answer.
        Press(Qt::Key_Tab);
        QTest::keyClick(KeyboardFocus(m_window), Qt::Key_Space);
        if (!Sees(QStringLiteral("String(document.activeElement.checked === true)")))
            return false;
    }
    Press(Qt::Key_Return);
    const QPointer<CBrowserTab> shown = m_shown;
    return WaitUntil([&shown] { return shown && shown->State() == TabState::Submitted; },
                     kSubmissionTimeoutMs);
}
