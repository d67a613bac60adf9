#include "ui/settings/SettingsProblem.h"

#include <QDialog>
#include <QMessageBox>

bool SettingsKept(QDialog& dialog, const QString& problem)
{
    if (problem.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Warning, dialog.windowTitle(), problem, QMessageBox::Ok, &dialog);
    // The problem names a file, which is shown as it is.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}
