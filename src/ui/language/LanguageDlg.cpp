#include "ui/language/LanguageDlg.h"

#include "ui/language/InterfaceLanguage.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/settings/SettingsProblem.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

CLanguageDlg::CLanguageDlg(CProgramSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Language"));
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("language"));
    const QString desktop =
        CInterfaceLanguage::Choose({}, CInterfaceLanguage::DesktopPreferences());
    m_language->addItem(
        tr("The desktop's language (%1)").arg(CInterfaceLanguage::NativeName(desktop)), QString());
    // Each in its own name, so that a user lost in a foreign interface finds their own.
    for (const QString& language : CInterfaceLanguage::Spoken())
        m_language->addItem(CInterfaceLanguage::NativeName(language), language);
    m_language->setCurrentIndex(std::max(0, m_language->findData(m_settings.InterfaceLanguage())));

    auto* note = new QLabel(tr("The new language applies when Kestrine starts again."), this);
    note->setWordWrap(true);
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Language:"), m_language);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLanguageDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void CLanguageDlg::accept()
{
    if (SettingsKept(*this, m_settings.SetInterfaceLanguage(m_language->currentData().toString())))
        QDialog::accept();
}
