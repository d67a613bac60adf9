#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

// Answers the next message box that opens, from inside the box's own event loop: records what
// it showed, then presses OK once `until` holds (at once when there is no `until`).
class MessageBoxWatcher
{
public:
    struct SeenBox
    {
        QString text;
        QString caption;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QPointer<QWidget> owner;
        Qt::WindowModality modality;
    };

    explicit MessageBoxWatcher(std::function<bool()> until = {}) : m_until(std::move(until))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { Poll(); });
        m_poll.start(5);
    }

    std::optional<SeenBox> seen;

private:
    void Poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (m_until && !m_until()))
            return;
        m_poll.stop();
        seen =
            SeenBox{box->text(),         box->windowTitle(),   box->icon(), box->standardButtons(),
                    box->parentWidget(), box->windowModality()};
        box->accept();
    }

    std::function<bool()> m_until;
    QTimer m_poll;
};
