#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Acts on the next modal dialog of type `Dialog` from inside its own event loop: `act` gets it
// and ends it (accept or reject). Without one within the time limit, the modal widget shown,
// if any, is closed, so that a test never hangs.
template <typename Dialog> class ModalDialogDriver
{
public:
    explicit ModalDialogDriver(std::function<void(Dialog&)> act, int timeoutMs = 15000)
        : m_act(std::move(act))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
        m_poll.start(5);
        m_deadline.setSingleShot(true);
        QObject::connect(&m_deadline, &QTimer::timeout, [this] {
            m_poll.stop();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_deadline.start(timeoutMs);
    }

    bool acted = false;

private:
    void Poll()
    {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        m_poll.stop();
        m_deadline.stop();
        acted = true;
        m_act(*dialog);
    }

    std::function<void(Dialog&)> m_act;
    QTimer m_poll;
    QTimer m_deadline;
};
