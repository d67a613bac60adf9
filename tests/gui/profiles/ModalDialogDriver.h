#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>

// Plays a script against the modal dialogs a test opens with exec(): each step waits until a
// dialog of its type is the active modal widget, then acts on it. Polling runs from fresh
// single-shot timers, so a step that opens a nested dialog (a click on "&Add") does not stall
// the script. Once the deadline passes, every modal dialog still open is rejected, so a broken
// script (or a step whose check failed before it closed its dialog) fails its test instead of
// hanging it.
class ModalDialogDriver final : public QObject
{
public:
    explicit ModalDialogDriver(std::chrono::milliseconds timeout = std::chrono::seconds(20))
        : m_deadline(timeout)
    {
        Schedule();
    }

    template <class Dialog> void Then(std::function<void(Dialog&)> action)
    {
        m_steps.push_back([action](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (!dialog)
                return false;
            action(*dialog);
            return true;
        });
    }

    // Every step has run, and none had to be abandoned.
    bool Finished() const { return m_steps.empty() && !m_timedOut; }

private:
    using Step = std::function<bool(QWidget*)>;

    void Schedule() { QTimer::singleShot(5, this, &ModalDialogDriver::Poll); }

    void Poll()
    {
        Schedule();
        if (m_deadline.hasExpired()) {
            Abandon();
            return;
        }
        if (m_steps.empty())
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        // Taken off first: the step may run a nested dialog, during which polling goes on.
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        if (!step(modal))
            m_steps.push_front(std::move(step));
    }

    void Abandon()
    {
        m_timedOut = m_timedOut || !m_steps.empty() || QApplication::activeModalWidget();
        m_steps.clear();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isModal())
                dialog->reject();
        }
    }

    std::deque<Step> m_steps;
    QDeadlineTimer m_deadline;
    bool m_timedOut = false;
};
