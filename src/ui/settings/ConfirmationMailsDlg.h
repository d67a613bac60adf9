#pragma once

#include "mail/MailConfig.h"

#include <QDialog>
#include <functional>
#include <string>

class CProgramSettings;
class QLabel;
class QLineEdit;

// Settings > Confirmation Mails…: the mailbox where directories send their confirmation mails,
// which Kestrine looks into after a submission. Off until a server and a user are given. The
// password goes to the desktop's secret store, never into kestrine.conf; a password command
// (as mail programs offer) takes its place for users who keep passwords elsewhere. OK keeps
// the choice; what cannot be kept is said in the dialog, which stays open.
class CConfirmationMailsDlg final : public QDialog
{
    Q_OBJECT

public:
    // Keeps a password for a mailbox; false with the reason set when it cannot.
    using PasswordKeeper =
        std::function<bool(const MailConfig&, const std::string& password, std::string& problem)>;

    // `settings` must outlive the dialog; `keepPassword` is the secret store unless a test
    // stands in for it.
    explicit CConfirmationMailsDlg(CProgramSettings& settings, QWidget* parent = nullptr,
                                   PasswordKeeper keepPassword = {});

    void accept() override;

    // Why `server` cannot be a mailbox's server, or an empty text: imaps:// or imap:// with a
    // host, and nothing else (a user name or password belongs in their own fields).
    static QString ServerProblem(const QString& server);

private:
    QLineEdit* AddField(const QString& objectName, const QString& text);
    QString Problem(const MailConfig& config) const;

    CProgramSettings& m_settings;
    PasswordKeeper m_keepPassword;
    QLineEdit* m_server = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_folder = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_passwordCommand = nullptr;
    QLabel* m_problem = nullptr;
};
