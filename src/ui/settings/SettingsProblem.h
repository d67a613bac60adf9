#pragma once

class QDialog;
class QString;

// Says over `dialog` why its settings could not be kept (`problem`, in words for the user);
// the dialog stays open, for the user to try again or cancel. True when there was no problem.
bool SettingsKept(QDialog& dialog, const QString& problem);
