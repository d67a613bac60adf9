#include "ui/feed_check/FeedCheckDialog.h"

#include "feeds/FeedCheck.h"
#include "feeds/FeedReportText.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <system_error>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// Feed text is shown as it is, never read as rich text.
QLabel* PlainLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString NewestInWords(const std::string& newest)
{
    const QDateTime time = QDateTime::fromString(FromUtf8(newest), Qt::ISODate);
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::LongFormat)
                          : FromUtf8(newest);
}

QString ItemsInWords(const FeedReport& report)
{
    const int count = static_cast<int>(report.items);
    const QString items = count == 1 ? CFeedCheckDialog::tr("%n item", nullptr, count)
                                     : CFeedCheckDialog::tr("%n items", nullptr, count);
    const QString kind = FromUtf8(FeedKindAndVersion(report));
    if (report.newest.empty())
        return CFeedCheckDialog::tr("%1, %2").arg(kind, items);
    return CFeedCheckDialog::tr("%1, %2, the newest of %3")
        .arg(kind, items, NewestInWords(report.newest));
}

// "Sports › Running, Health & Fitness".
QString CategoriesInWords(const FeedReport& report)
{
    QStringList names;
    for (const FeedCategory& category : report.categories) {
        names.append(category.subcategory.empty()
                         ? FromUtf8(category.name)
                         : FromUtf8(category.name) + QStringLiteral(" \u203A ") +
                               FromUtf8(category.subcategory));
    }
    return CFeedCheckDialog::tr("Categories: %1").arg(names.join(QStringLiteral(", ")));
}

QString ProblemsInWords(const FeedReport& report)
{
    QStringList lines;
    for (const FeedProblem& problem : report.problems)
        lines.append(QStringLiteral("\u2022 ") + FromUtf8(ProblemPlace(problem) + problem.message));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

CFeedCheckDialog::CFeedCheckDialog(QWidget* parent, DownloadLimits limits)
    : QDialog(parent), m_limits(limits)
{
    setWindowTitle(tr("Check Feed"));
    CreateControls();
}

CFeedCheckDialog::~CFeedCheckDialog()
{
    StopWorker();
}

void CFeedCheckDialog::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    m_statusLabel = PlainLabel(this, "statusLabel");
    m_titleLabel = PlainLabel(this, "feedTitleLabel");
    m_descriptionLabel = PlainLabel(this, "feedDescriptionLabel");
    m_itemsLabel = PlainLabel(this, "itemsLabel");
    m_categoriesLabel = PlainLabel(this, "categoriesLabel");
    m_discoveredList = new QListWidget(this);
    m_discoveredList->setObjectName(QStringLiteral("discoveredList"));
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_statusLabel, m_titleLabel, m_descriptionLabel,
                                         m_itemsLabel, m_categoriesLabel, m_discoveredList})
        layout->addWidget(widget);

    auto* buttons = new QHBoxLayout;
    m_useDiscoveredButton = new QPushButton(tr("Use this feed"), this);
    m_useDiscoveredButton->setObjectName(QStringLiteral("useDiscoveredButton"));
    m_useTextsButton = new QPushButton(tr("Use title and description"), this);
    m_useTextsButton->setObjectName(QStringLiteral("useTextsButton"));
    m_useCategoryButton = new QPushButton(tr("Use category"), this);
    m_useCategoryButton->setObjectName(QStringLiteral("useCategoryButton"));
    m_useCategoryButton->setVisible(false);
    m_closeButton = new QPushButton(tr("Cancel"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(m_useDiscoveredButton);
    buttons->addStretch();
    buttons->addWidget(m_useTextsButton);
    buttons->addWidget(m_useCategoryButton);
    buttons->addWidget(m_closeButton);
    layout->addLayout(buttons);
    setMinimumWidth(480);

    connect(m_useTextsButton, &QPushButton::clicked, this, &CFeedCheckDialog::OnUseTexts);
    connect(m_useCategoryButton, &QPushButton::clicked, this, &CFeedCheckDialog::OnUseCategory);
    connect(m_useDiscoveredButton, &QPushButton::clicked, this, &CFeedCheckDialog::OnUseDiscovered);
    connect(m_discoveredList, &QListWidget::itemDoubleClicked, this,
            &CFeedCheckDialog::OnUseDiscovered);
    connect(m_closeButton, &QPushButton::clicked, this, &CFeedCheckDialog::reject);
    ShowReport();
}

void CFeedCheckDialog::StartCheck(const QString& target)
{
    StopWorker();
    m_report = {};
    ShowReport();
    m_statusLabel->setStyleSheet({});
    m_statusLabel->setText(tr("Checking %1 \u2026").arg(target));
    m_closeButton->setText(tr("Cancel"));
    m_cancel = false;
    const unsigned generation = ++m_generation;
    try {
        m_worker = std::thread([this, generation, target = target.trimmed().toStdString(),
                                limits = m_limits] {
            const CFeedFetcher fetcher(limits);
            FeedReport report = CFeedCheck(fetcher).Check(target, &m_cancel);
            QMetaObject::invokeMethod(
                this,
                [this, generation, report = std::move(report)] { OnFinished(generation, report); },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        m_report.problems.push_back({tr("The check could not be started.").toStdString(), 0, 0});
        ShowReport();
    }
}

void CFeedCheckDialog::reject()
{
    StopWorker();
    QDialog::reject();
}

void CFeedCheckDialog::StopWorker()
{
    if (!m_worker.joinable())
        return;
    // libcurl asks about cancelling many times a second, so this wait is short.
    m_cancel = true;
    m_worker.join();
}

void CFeedCheckDialog::OnFinished(unsigned generation, const FeedReport& report)
{
    // A check that was cancelled and joined may still have posted its report.
    if (generation != m_generation || !m_worker.joinable())
        return;
    m_worker.join();
    m_report = report;
    ShowReport();
}

void CFeedCheckDialog::ShowReport()
{
    const FeedReport& report = m_report;
    const bool usable = report.IsUsable();
    m_statusLabel->setStyleSheet(usable ? QStringLiteral("color: #1a7f37;")
                                        : QStringLiteral("color: #b42318;"));
    m_statusLabel->setText(usable ? tr("The feed is usable.") : ProblemsInWords(report));
    m_titleLabel->setText(tr("Title: %1").arg(FromUtf8(report.title)));
    m_descriptionLabel->setText(tr("Description: %1").arg(FromUtf8(report.description)));
    m_itemsLabel->setText(report.kind == FeedKind::None ? QString() : ItemsInWords(report));
    for (QLabel* label : {m_titleLabel, m_descriptionLabel, m_itemsLabel})
        label->setVisible(report.kind != FeedKind::None);
    m_categoriesLabel->setText(CategoriesInWords(report));
    m_categoriesLabel->setVisible(!report.categories.empty());

    m_discoveredList->clear();
    for (const DiscoveredFeed& feed : report.discovered) {
        auto* item = new QListWidgetItem(feed.title.empty()
                                             ? FromUtf8(feed.address)
                                             : FromUtf8(feed.title) + QStringLiteral(" \u2013 ") +
                                                   FromUtf8(feed.address),
                                         m_discoveredList);
        item->setData(Qt::UserRole, FromUtf8(feed.address));
    }
    if (m_discoveredList->count() > 0)
        m_discoveredList->setCurrentRow(0);
    m_discoveredList->setVisible(!report.discovered.empty());
    m_useDiscoveredButton->setVisible(!report.discovered.empty());
    m_useTextsButton->setEnabled(!report.title.empty() || !report.description.empty());
    m_useCategoryButton->setEnabled(!report.categories.empty());
    m_closeButton->setText(tr("Close"));
}

void CFeedCheckDialog::OnUseTexts()
{
    emit UseTitleAndDescription(FromUtf8(m_report.title), FromUtf8(m_report.description));
}

void CFeedCheckDialog::OfferCategory()
{
    m_useCategoryButton->setVisible(true);
}

void CFeedCheckDialog::OnUseCategory()
{
    if (m_report.categories.empty())
        return;
    const FeedCategory& first = m_report.categories.front();
    emit UseCategory(FromUtf8(first.name), FromUtf8(first.subcategory));
}

void CFeedCheckDialog::OnUseDiscovered()
{
    const QListWidgetItem* item = m_discoveredList->currentItem();
    if (!item)
        return;
    const QString address = item->data(Qt::UserRole).toString();
    emit UseFeedAddress(address);
    StartCheck(address);
}
