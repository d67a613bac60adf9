#pragma once

#include <QDialog>

class CProgramSettings;
class QComboBox;

// Settings > Language…: the language of the interface, the desktop's or one the user picks.
// Kept in the settings; it applies when Kestrine starts again, as every window is built in the
// language of the start.
class CLanguageDlg final : public QDialog
{
    Q_OBJECT

public:
    // `settings` must outlive the dialog.
    explicit CLanguageDlg(CProgramSettings& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    CProgramSettings& m_settings;
    QComboBox* m_language = nullptr;
};
