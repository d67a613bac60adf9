#include "ui/main_window/MessageBoxPresenter.h"

#include <QMessageBox>
#include <QString>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

CMessageBoxPresenter::CMessageBoxPresenter(QWidget* owner) : m_owner(owner) {}

void CMessageBoxPresenter::ShowMessage(const std::string& text, const std::string& caption,
                                       MessageIcon icon)
{
    // exec() is application-modal either way: the user answers the box before touching the
    // main window again, while its nested event loop keeps the tabs' timer running.
    QMessageBox box(BoxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, m_owner);
    // Messages quote names from the database, profiles and pages: never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
