#include "ui/directory_editor/DirectoryEditorDlg.h"

#include "common/MessagePresenter.h"
#include "directory_db/DirectoryName.h"
#include "directory_db/SubmitAddress.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace {

enum Column
{
    kFieldColumn,
    kSaysColumn,
    kMeaningColumn,
    kValueColumn,
};

// What a field can be filled with; any other text can be typed in.
constexpr const char* kValueChoices[] = {"",           "#url#",   "#title#",        "#desc#",
                                         "#keywords#", "#cat#",   "#subcat#",       "#email#",
                                         "#fname#",    "#lname#", "#fname# #lname#"};

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

// How the user recognises the field: its name or id, and which one of that name.
QString FieldText(const FieldDescriptor& field)
{
    if (field.Key().empty())
        return QObject::tr("(no name: cannot be saved)");
    QString text = ToQt(field.Key());
    if (field.index > 0)
        text += QStringLiteral(" [%1]").arg(field.index);
    return text;
}

// What the page says about the field, its label first, and the frame it stands in.
QString SaysText(const FieldDescriptor& field)
{
    QString says;
    for (const std::string* text : {&field.label, &field.placeholder, &field.nearbyText}) {
        if (!text->empty()) {
            says = ToQt(*text);
            break;
        }
    }
    if (field.frame.empty())
        return says;
    const QString host = QUrl(ToQt(field.frame)).host();
    return says.isEmpty() ? QObject::tr("(in a frame from %1)").arg(host)
                          : QObject::tr("%1 (in a frame from %2)").arg(says, host);
}

// The meaning found and how sure the classifier is of it.
QString MeaningWithConfidence(const FieldClassification& meaning)
{
    return CDirectoryEditorDlg::tr("%1 (%2%)")
        .arg(QCoreApplication::translate("FieldMeaning", MeaningText(meaning.meaning).c_str()))
        .arg(std::lround(meaning.confidence * 100));
}

// A field of a directory being edited, as the page would describe it.
LearnedField FieldOfItem(const FormField& item)
{
    FieldDescriptor field;
    field.name = item.name;
    field.index = item.index;
    field.tag = item.type == FieldType::ComboBox ? "select" : "input";
    field.type = item.type == FieldType::CheckBox   ? "checkbox"
                 : item.type == FieldType::ComboBox ? ""
                                                    : "text";
    return {field, item.value};
}

} // namespace

CDirectoryEditorDlg::CDirectoryEditorDlg(const LearnProposal& proposal,
                                         const std::string& submitUrl, MessagePresenter& presenter,
                                         QWidget* parent)
    : QDialog(parent), m_presenter(presenter)
{
    CreateControls(tr("Add Directory"), {});
    m_name->setText(ToQt(proposal.name));
    m_submitUrl->setText(ToQt(submitUrl));
    for (size_t i = 0; i < proposal.fields.size(); ++i) {
        const FieldClassification& meaning = proposal.meanings[i];
        AddField(proposal.fields[i], meaning);
    }
}

CDirectoryEditorDlg::CDirectoryEditorDlg(const DirectoryRecord& record, MessagePresenter& presenter,
                                         QWidget* parent)
    : QDialog(parent), m_presenter(presenter), m_variables(record.variables)
{
    CreateControls(tr("Edit Directory"),
                   tr("A new name keeps the directory's sent marks, for every profile."));
    m_name->setText(ToQt(record.name));
    m_submitUrl->setText(ToQt(record.submitUrl));
    m_confirmation->setText(ToQt(record.confirmation.value_or("")));
    for (const FormField& item : record.items)
        AddField(FieldOfItem(item), {});
}

void CDirectoryEditorDlg::CreateControls(const QString& title, const QString& nameNote)
{
    setWindowTitle(title);
    m_name = new QLineEdit(this);
    m_submitUrl = new QLineEdit(this);
    m_confirmation = new QLineEdit(this);
    m_confirmation->setPlaceholderText(
        tr("Optional: a text the page shows after a successful submission"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    if (!nameNote.isEmpty())
        form->addRow(QString(), new QLabel(nameNote, this));
    form->addRow(tr("&Submission page:"), m_submitUrl);
    form->addRow(tr("&Confirmation text:"), m_confirmation);

    m_fields = new QTableWidget(0, 4, this);
    m_fields->setAccessibleName(tr("Fields of the page"));
    m_fields->setHorizontalHeaderLabels(
        {tr("Field"), tr("The page says"), tr("Meaning"), tr("Fill with")});
    m_fields->horizontalHeader()->setSectionResizeMode(kSaysColumn, QHeaderView::Stretch);
    m_fields->verticalHeader()->hide();
    m_fields->setSelectionMode(QAbstractItemView::NoSelection);
    m_fields->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* hint = new QLabel(tr("Only ticked fields are filled. Kestrine is \"not sure\" of some: "
                               "their best guess is chosen but not ticked."),
                            this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDirectoryEditorDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDirectoryEditorDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_fields, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    resize(720, 480);
}

void CDirectoryEditorDlg::AddField(const LearnedField& field, const FieldClassification& meaning)
{
    const int row = m_fields->rowCount();
    m_fields->insertRow(row);
    // A field without a name or id cannot be found again by a directory's rules.
    const bool findable = !field.field.Key().empty();
    auto* name = new QTableWidgetItem(FieldText(field.field));
    name->setFlags(findable ? name->flags() | Qt::ItemIsUserCheckable
                            : name->flags() & ~Qt::ItemIsUserCheckable);
    name->setCheckState(findable && field.chosen && !field.value.empty() ? Qt::Checked
                                                                         : Qt::Unchecked);
    m_fields->setItem(row, kFieldColumn, name);
    m_fields->setItem(row, kSaysColumn, new QTableWidgetItem(SaysText(field.field)));
    auto* found = new QTableWidgetItem;
    if (meaning.meaning != FieldMeaning::None) {
        found->setText(meaning.IsConfident() ? MeaningWithConfidence(meaning) : tr("not sure"));
        found->setToolTip(MeaningWithConfidence(meaning));
    }
    m_fields->setItem(row, kMeaningColumn, found);

    auto* value = new QComboBox(m_fields);
    value->setEditable(true);
    for (const char* choice : kValueChoices)
        value->addItem(QString::fromLatin1(choice));
    value->setCurrentText(ToQt(field.value));
    value->setEnabled(findable);
    // Choosing a value means filling the field with it; emptying it, leaving the field out.
    connect(value, &QComboBox::currentTextChanged, value, [name](const QString& text) {
        name->setCheckState(text.isEmpty() ? Qt::Unchecked : Qt::Checked);
    });
    m_fields->setCellWidget(row, kValueColumn, value);
    m_learnt.push_back(field);
}

QComboBox* CDirectoryEditorDlg::ValueBox(int row) const
{
    return qobject_cast<QComboBox*>(m_fields->cellWidget(row, kValueColumn));
}

DirectoryRecord CDirectoryEditorDlg::Record() const
{
    std::vector<LearnedField> fields = m_learnt;
    for (size_t row = 0; row < fields.size(); ++row) {
        const int at = static_cast<int>(row);
        fields[row].value = ValueBox(at)->currentText().toStdString();
        fields[row].chosen = m_fields->item(at, kFieldColumn)->checkState() == Qt::Checked;
    }
    const std::string confirmation = m_confirmation->text().toStdString();
    DirectoryRecord record = MakeLearnedDirectory(
        m_name->text().trimmed().toStdString(), m_submitUrl->text().trimmed().toStdString(),
        confirmation.empty() ? std::nullopt : std::optional(confirmation), fields);
    record.variables = m_variables;
    return record;
}

void CDirectoryEditorDlg::accept()
{
    const std::string caption = windowTitle().toStdString();
    if (const std::optional<std::string> problem =
            DirectoryNameProblem(m_name->text().trimmed().toStdString())) {
        m_presenter.ShowMessage(*problem, caption, MessageIcon::Exclamation);
        m_name->setFocus();
        return;
    }
    if (m_submitUrl->text().trimmed().isEmpty()) {
        m_presenter.ShowMessage(
            tr("Please enter the address of the directory's submission page.").toStdString(),
            caption, MessageIcon::Exclamation);
        m_submitUrl->setFocus();
        return;
    }
    if (!IsWebAddress(m_submitUrl->text().trimmed().toStdString())) {
        m_presenter.ShowMessage(tr("The submission page must be a web address beginning with "
                                   "http:// or https://.")
                                    .toStdString(),
                                caption, MessageIcon::Exclamation);
        m_submitUrl->setFocus();
        return;
    }
    QDialog::accept();
}
