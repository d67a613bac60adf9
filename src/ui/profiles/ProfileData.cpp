#include "ui/profiles/ProfileData.h"

#include "profiles/ProfileNameCheck.h"
#include "ui/feed_check/FeedCheckDialog.h"
#include "ui/feed_check/FeedTexts.h"
#include "ui/profiles/ProfileCategories.h"
#include "ui_ProfileData.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <limits>

CProfileData::CProfileData(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ProfileData>())
{
    m_ui->setupUi(this);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->checkFeedButton, &QPushButton::clicked, this, &CProfileData::OnCheckFeed);

    // A description may be long; QLineEdit would otherwise cut every text at 32767 characters.
    for (const FieldBinding& binding : Bindings())
        binding.edit->setMaxLength(std::numeric_limits<int>::max());

    // Typed into, the boxes' own text fields are what a screen reader meets.
    for (QComboBox* box : {m_ui->categoryBox, m_ui->subcategoryBox})
        box->lineEdit()->setAccessibleName(box->accessibleName());
    AddCategories();
    // Completing in a list below the box, never inside the text: a category of the user's own
    // that begins like a listed one stays as typed.
    m_ui->categoryBox->completer()->setCompletionMode(QCompleter::PopupCompletion);
    // The text field inside each box is what a screen reader lands in: it says the box's name.
    for (QComboBox* box : {m_ui->categoryBox, m_ui->subcategoryBox})
        box->lineEdit()->setAccessibleName(box->accessibleName());
    SetValues(ProfileRecord{});
}

CProfileData::~CProfileData() = default;

void CProfileData::SetValues(const ProfileRecord& profile)
{
    m_loaded = profile;
    for (const FieldBinding& binding : Bindings())
        binding.edit->setText(QString::fromStdString(profile.*binding.field));
    // A new profile is named first: with the focus on OK, the first space typed would press it.
    if (profile.name.empty())
        m_ui->nameEdit->setFocus();
    else
        m_ui->okButton->setFocus();
}

void CProfileData::SetNamesInUse(std::vector<std::string> names)
{
    m_namesInUse = std::move(names);
}

void CProfileData::accept()
{
    const std::string name = Values().name;
    switch (CheckProfileName(name, m_loaded.name, m_namesInUse)) {
    case ProfileNameProblem::Empty:
        RefuseName(tr("Please enter a profile name."));
        return;
    case ProfileNameProblem::Taken:
        RefuseName(tr("There is already a profile named \"%1\". Please choose another name.")
                       .arg(QString::fromStdString(name).trimmed()));
        return;
    case ProfileNameProblem::None:
        break;
    }
    QDialog::accept();
}

void CProfileData::RefuseName(const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, tr("Error"), reason, QMessageBox::Ok, this);
    // The name is the user's text, not markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    m_ui->nameEdit->setFocus();
    m_ui->nameEdit->selectAll();
}

ProfileRecord CProfileData::Values() const
{
    ProfileRecord values;
    for (const FieldBinding& binding : Bindings()) {
        const QString text = binding.edit->text();
        const std::string& loaded = m_loaded.*binding.field;
        values.*binding.field =
            text == QString::fromStdString(loaded) ? loaded : text.toStdString();
    }
    return values;
}

// The category and subcategory travel in the edit text of their boxes, never completed to a
// listed name, so that a category of the user's own comes back exactly as it went in.
std::array<CProfileData::FieldBinding, 10> CProfileData::Bindings() const
{
    return {{
        {&ProfileRecord::name, m_ui->nameEdit},
        {&ProfileRecord::url, m_ui->urlEdit},
        {&ProfileRecord::title, m_ui->titleEdit},
        {&ProfileRecord::desc, m_ui->descEdit},
        {&ProfileRecord::keywords, m_ui->tagsEdit},
        {&ProfileRecord::email, m_ui->emailEdit},
        {&ProfileRecord::fname, m_ui->firstNameEdit},
        {&ProfileRecord::lname, m_ui->lastNameEdit},
        {&ProfileRecord::cat, m_ui->categoryBox->lineEdit()},
        {&ProfileRecord::subcat, m_ui->subcategoryBox->lineEdit()},
    }};
}

void CProfileData::AddCategories()
{
    QStringList names;
    for (const std::string_view name : OfferedCategories())
        names.append(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    m_ui->categoryBox->addItems(names);
    m_ui->categoryBox->model()->sort(0);
}

void CProfileData::OnCheckFeed()
{
    auto* check = new CFeedCheckDialog(this);
    check->setAttribute(Qt::WA_DeleteOnClose);
    connect(check, &CFeedCheckDialog::UseTitleAndDescription, this, &CProfileData::OnUseFeedTexts);
    connect(check, &CFeedCheckDialog::UseFeedAddress, m_ui->urlEdit, &QLineEdit::setText);
    if (m_ui->categoryBox->currentText().isEmpty()) {
        check->OfferCategory();
        connect(check, &CFeedCheckDialog::UseCategory, this, &CProfileData::OnUseFeedCategory);
    }
    check->StartCheck(m_ui->urlEdit->text());
    // Modal to the editor only, and without a nested event loop.
    check->open();
}

void CProfileData::OnUseFeedTexts(const QString& feedTitle, const QString& feedDescription)
{
    QString title = m_ui->titleEdit->text();
    QString description = m_ui->descEdit->text();
    if (!TakeFeedTexts(this, title, description, feedTitle, feedDescription))
        return;
    m_ui->titleEdit->setText(title);
    m_ui->descEdit->setText(description);
}

void CProfileData::OnUseFeedCategory(const QString& feedCategory, const QString& feedSubcategory)
{
    // Only a profile without a category takes the feed's.
    if (!m_ui->categoryBox->currentText().isEmpty())
        return;
    const std::string proposed =
        ProposedCategory(feedCategory.toStdString(), feedSubcategory.toStdString());
    m_ui->categoryBox->setEditText(QString::fromStdString(proposed));
    if (m_ui->subcategoryBox->currentText().isEmpty())
        m_ui->subcategoryBox->setEditText(feedSubcategory);
}
