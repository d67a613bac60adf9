#include "ui/browser/PlainTextInput.h"

#include <QInputDialog>
#include <QLabel>
#include <QPointer>

std::optional<QString> AskForPlainText(QWidget* parent, const QString& title, const QString& label,
                                       const QString& initial)
{
    QPointer<QInputDialog> dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    for (QLabel* child : dialog->findChildren<QLabel*>())
        child->setTextFormat(Qt::PlainText);
    dialog->setTextValue(initial);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog;
    std::optional<QString> text;
    if (accepted)
        text = dialog->textValue();
    delete dialog; // null when the parent went away while the dialog was open
    return text;
}
