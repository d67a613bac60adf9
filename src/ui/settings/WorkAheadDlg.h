#pragma once

#include <QDialog>

class CProgramSettings;
class QCheckBox;
class QSpinBox;

// Settings > Work Ahead…: how many of the next directories are kept loaded and filled in tabs
// ahead of the user, and whether finished tabs stay open. OK keeps them in the settings; when
// they cannot be saved the dialog says why and stays open.
class CWorkAheadDlg final : public QDialog
{
    Q_OBJECT

public:
    // `settings` must outlive the dialog.
    explicit CWorkAheadDlg(CProgramSettings& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    CProgramSettings& m_settings;
    QSpinBox* m_readyTabs = nullptr;
    QCheckBox* m_keepFinishedTabs = nullptr;
};
