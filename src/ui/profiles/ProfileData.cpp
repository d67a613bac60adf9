#include "ui/profiles/ProfileData.h"

#include "profiles/ProfileNameCheck.h"
#include "ui/feed_check/FeedCheckDialog.h"
#include "ui/feed_check/FeedTexts.h"
#include "ui_ProfileData.h"

#include <QMessageBox>
#include <QStringList>
#include <limits>

namespace {

// In the order in which they are offered; the box sorts them.
const char* const kCategories[] = {
    "Accounting",
    "Aerospace and Defense",
    "Agriculture and Forestry",
    "Arts",
    "Entertainment",
    "Associations",
    "Automotive",
    "Biotechnology and Pharmaceuticals",
    "Business",
    "Society",
    "Business Services",
    "Chemicals",
    "Construction and Maintenance",
    "Consumer Goods and Services",
    "Cooperatives",
    "Customer Service",
    "Directories",
    "E-Commerce",
    "Education and Training",
    "Electronics and Electrical",
    "Employment",
    "Energy and Environment",
    "Financial Services",
    "Food and Related Products",
    "Healthcare",
    "Hospitality",
    "Human Resources",
    "Industrial Goods and Services",
    "Information Technology",
    "International Business and Trade",
    "Investing",
    "Major Companies",
    "Management",
    "Marketing and Advertising",
    "Mining and Drilling",
    "News and Media",
    "Opportunities",
    "Publishing and Printing",
    "Real Estate",
    "Resources",
    "Retail Trade",
    "Small Business",
    "Telecommunications",
    "Textiles and Nonwovens",
    "Transportation and Logistics",
    "Wholesale Trade",
};

} // namespace

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

    AddCategories();
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

// The category and subcategory travel in the edit text of their hidden boxes, which the user
// never reaches, so they come back exactly as they went in, listed category or not.
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
    for (const char* name : kCategories)
        names.append(QString::fromUtf8(name));
    m_ui->categoryBox->addItems(names);
    m_ui->categoryBox->model()->sort(0);
}

void CProfileData::OnCheckFeed()
{
    auto* check = new CFeedCheckDialog(this);
    check->setAttribute(Qt::WA_DeleteOnClose);
    connect(check, &CFeedCheckDialog::UseTitleAndDescription, this, &CProfileData::OnUseFeedTexts);
    connect(check, &CFeedCheckDialog::UseFeedAddress, m_ui->urlEdit, &QLineEdit::setText);
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
