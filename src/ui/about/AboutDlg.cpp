#include "ui/about/AboutDlg.h"

#include "ui/about/ResourceScheme.h"
#include "ui/about/ResourceSchemeHandler.h"
#include "ui/browser/BrowserCtrl.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

constexpr int kIconSize = 32;
// The page holds one line of 8 pt text; the browser is sized to show just that.
constexpr QSize kBrowserSize(210, 20);

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent, const std::string& modulePath) : QDialog(parent)
{
    CreateControls();
    CResourceSchemeHandler::InstallOn(m_browser->page()->profile());
    m_browser->Navigate(HomeLinkAddress(modulePath).toString(QUrl::FullyEncoded));
}

QUrl CAboutDlg::HomeLinkAddress(std::string modulePath)
{
    return ResourcePageAddress(std::move(modulePath), "home_link.html");
}

void CAboutDlg::ShowDataFolder(const std::string& folder)
{
    m_dataFolder->setText(tr("Your profiles and the directory database are kept in\n%1")
                              .arg(QFile::decodeName(QByteArray::fromStdString(folder))));
    m_dataFolder->show();
}

void CAboutDlg::CreateControls()
{
    setWindowTitle(tr("About Kestrine"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/kestrine.svg")).pixmap(kIconSize, kIconSize));

    auto* product = new QLabel(this);
    // Shown exactly as written: an ampersand here is not a mnemonic.
    product->setTextFormat(Qt::PlainText);
    product->setText(QStringLiteral("Kestrine V1.0"));

    m_browser = new CBrowserCtrl(this);
    m_browser->setFixedSize(kBrowserSize);
    m_browser->setContextMenuPolicy(Qt::NoContextMenu);
    // Until the page paints, the browser shows the dialog's own colour rather than white.
    m_browser->page()->setBackgroundColor(palette().color(QPalette::Window));

    m_dataFolder = new QLabel(this);
    m_dataFolder->setObjectName(QStringLiteral("dataFolder"));
    m_dataFolder->setTextFormat(Qt::PlainText);
    m_dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_dataFolder->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignCenter);
    layout->addWidget(product, 0, 1);
    layout->addWidget(m_browser, 1, 1);
    layout->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
    layout->addWidget(m_dataFolder, 2, 1, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
