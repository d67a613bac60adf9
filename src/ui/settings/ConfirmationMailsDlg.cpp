#include "ui/settings/ConfirmationMailsDlg.h"

#include "mail/MailPassword.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/settings/SettingsProblem.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
#include <QVBoxLayout>

CConfirmationMailsDlg::CConfirmationMailsDlg(CProgramSettings& settings, QWidget* parent,
                                             PasswordKeeper keepPassword)
    : QDialog(parent), m_settings(settings),
      m_keepPassword(keepPassword ? std::move(keepPassword) : PasswordKeeper(&StorePassword))
{
    setWindowTitle(tr("Confirmation Mails"));
    auto* explanation = new QLabel(
        tr("Many directories list a feed only after you click a link they send by e-mail. "
           "Kestrine looks for these mails for two days after each submission, while its window "
           "is open, and offers their links. Leave the server empty to turn this off."),
        this);
    explanation->setWordWrap(true);
    auto* fields = new QFormLayout;
    const MailConfig config = m_settings.ConfirmationMailbox();
    m_server = AddField(QStringLiteral("mailServer"), QString::fromStdString(config.server));
    m_server->setPlaceholderText(QStringLiteral("imaps://mail.example.org"));
    fields->addRow(tr("&Server:"), m_server);
    m_user = AddField(QStringLiteral("mailUser"), QString::fromStdString(config.user));
    fields->addRow(tr("&User name:"), m_user);
    m_folder = AddField(QStringLiteral("mailFolder"), QString::fromStdString(config.folder));
    fields->addRow(tr("&Folder:"), m_folder);
    m_password = AddField(QStringLiteral("mailPassword"), {});
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(tr("unchanged"));
    m_password->setToolTip(tr("Kept in the desktop's secret store, never in kestrine.conf."));
    fields->addRow(tr("&Password:"), m_password);
    m_passwordCommand = AddField(QStringLiteral("mailPasswordCommand"),
                                 QString::fromStdString(config.passwordCommand));
    m_passwordCommand->setToolTip(
        tr("A command that prints the password, such as \"pass show mail\", used instead of "
           "the secret store."));
    fields->addRow(tr("Password &command:"), m_passwordCommand);
    for (int row = 0; row < fields->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(fields->itemAt(row, QFormLayout::LabelRole)->widget());
        QWidget* field = fields->itemAt(row, QFormLayout::FieldRole)->widget();
        field->setAccessibleName(
            label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed());
    }
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("mailProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CConfirmationMailsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(fields);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

QLineEdit* CConfirmationMailsDlg::AddField(const QString& objectName, const QString& text)
{
    auto* field = new QLineEdit(text, this);
    field->setObjectName(objectName);
    return field;
}

QString CConfirmationMailsDlg::ServerProblem(const QString& server)
{
    const QUrl url(server, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("imaps") && scheme != QLatin1String("imap")) ||
        url.host().isEmpty() || !url.userInfo().isEmpty() ||
        (!url.path().isEmpty() && url.path() != QLatin1String("/")))
        return tr("The server must be an imaps:// or imap:// address, as in "
                  "imaps://mail.example.org or imap://mail.example.org:143.");
    return {};
}

QString CConfirmationMailsDlg::Problem(const MailConfig& config) const
{
    if (config.server.empty())
        return {};
    if (QString problem = ServerProblem(QString::fromStdString(config.server)); !problem.isEmpty())
        return problem;
    if (config.user.empty())
        return tr("Give the user name the mail server knows you by.");
    return {};
}

void CConfirmationMailsDlg::accept()
{
    MailConfig config;
    config.server = m_server->text().trimmed().toStdString();
    config.user = m_user->text().trimmed().toStdString();
    if (const QString folder = m_folder->text().trimmed(); !folder.isEmpty())
        config.folder = folder.toStdString();
    config.passwordCommand = m_passwordCommand->text().trimmed().toStdString();
    QString problem = Problem(config);
    std::string storeProblem;
    if (problem.isEmpty() && config.IsSet() && !m_password->text().isEmpty() &&
        !m_keepPassword(config, m_password->text().toStdString(), storeProblem))
        problem =
            tr("The password could not be kept: %1").arg(QString::fromStdString(storeProblem));
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        return;
    if (SettingsKept(*this, m_settings.SetConfirmationMailbox(config)))
        QDialog::accept();
}
