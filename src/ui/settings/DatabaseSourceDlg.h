#pragma once

#include <QDialog>

class CProgramSettings;
class QLabel;
class QLineEdit;

// Settings > Database Source…: the address the database update downloads. OK keeps a usable
// address in the settings; an unusable one is explained and the dialog stays open.
class CDatabaseSourceDlg final : public QDialog
{
    Q_OBJECT

public:
    // `settings` must outlive the dialog.
    explicit CDatabaseSourceDlg(CProgramSettings& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    CProgramSettings& m_settings;
    QLineEdit* m_address = nullptr;
    QLabel* m_problem = nullptr;
};
