#pragma once

#include "directory_db/DirectoryRecord.h"
#include "page_filling/LearnedDirectory.h"

#include <QDialog>
#include <vector>

class MessagePresenter;
class QComboBox;
class QLineEdit;
class QTableWidget;

// Shows a directory of the user's own: its name, submission address and confirmation text, and
// for each field of its page the value that fills it and whether it is filled (ticked).
// Learning a page, the fields come with the meaning found in them and the placeholders
// proposed for it, ticked where Kestrine is sure and shown as "not sure" with its best guess
// unticked where it is not; the user can change any of it.
class CDirectoryEditorDlg final : public QDialog
{
    Q_OBJECT

public:
    // Learning the page `proposal` describes, whose address is `submitUrl`.
    CDirectoryEditorDlg(const LearnProposal& proposal, const std::string& submitUrl,
                        MessagePresenter& presenter, QWidget* parent = nullptr);
    // Editing a directory; its variables are kept as they are.
    CDirectoryEditorDlg(const DirectoryRecord& record, MessagePresenter& presenter,
                        QWidget* parent = nullptr);

    // The directory as the dialog shows it: one item per field with a value.
    DirectoryRecord Record() const;

    // The controls, for the user and for tests.
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* SubmitUrlEdit() const { return m_submitUrl; }
    QLineEdit* ConfirmationEdit() const { return m_confirmation; }
    QTableWidget* FieldTable() const { return m_fields; }
    // The value chosen for the field in `row`.
    QComboBox* ValueBox(int row) const;

public slots:
    // Saves only a directory the database can hold; otherwise says what is wrong.
    void accept() override;

private:
    // `nameNote`, when not empty, is shown under the name.
    void CreateControls(const QString& title, const QString& nameNote);
    // `meaning` is what the classifier found in a field learnt from a page; None when editing.
    void AddField(const LearnedField& field, const FieldClassification& meaning);

    MessagePresenter& m_presenter;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_submitUrl = nullptr;
    QLineEdit* m_confirmation = nullptr;
    QTableWidget* m_fields = nullptr;
    std::vector<LearnedField> m_learnt;
    std::vector<VariableRecord> m_variables;
};
