#include "ui/directory_panel/DirectoryListPanel.h"

#include "page_filling/DirectoryFilter.h"
#include "page_filling/NextUnsent.h"
#include "page_filling/SubmissionProgress.h"
#include "ui/directory_panel/DirectoryEntryDelegate.h"
#include "ui/directory_panel/DirectoryFilterProxy.h"
#include "ui/directory_panel/DirectoryListModel.h"
#include "ui/directory_panel/DirectoryListView.h"
#include "ui/directory_panel/EmptyListHint.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>

namespace {

// A control's place: `least` is the size it was drawn with; a larger font widens it to what
// its text takes, and makes it as tall as its text needs.
QSize Fitted(const QWidget& control, QSize least)
{
    return QSize(qMax(least.width(), control.sizeHint().width()),
                 qMax(least.height(), control.minimumSizeHint().height()));
}

} // namespace

CDirectoryListPanel::CDirectoryListPanel(MessagePresenter& presenter, QWidget* parent)
    : QWidget(parent), m_presenter(presenter)
{
    // Created in tab order. The object names let tests and accessibility tools find them.
    m_model = new CDirectoryListModel(this);
    m_filter = new CDirectoryFilterProxy(*m_model, this);
    m_list = new CDirectoryListView(this);
    m_list->setObjectName(QStringLiteral("directoryList"));
    m_list->setModel(m_filter);
    m_list->setItemDelegate(new CDirectoryEntryDelegate(m_list));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setAccessibleName(tr("Directories"));
    m_list->setAccessibleDescription(
        tr("Arrow keys open a directory's page beside the list; Enter goes into the page"));
    m_nextUnsentButton = new QPushButton(tr("Next unsent"), this);
    m_nextUnsentButton->setObjectName(QStringLiteral("nextUnsentButton"));
    m_searchBox = new QLineEdit(this);
    m_searchBox->setObjectName(QStringLiteral("directorySearch"));
    m_searchBox->setPlaceholderText(tr("Search directories"));
    m_searchBox->setAccessibleName(tr("Search directories by name"));
    m_searchBox->setClearButtonEnabled(true);
    m_unsentOnlyBox = new QCheckBox(tr("Unsent only"), this);
    m_unsentOnlyBox->setObjectName(QStringLiteral("unsentOnly"));
    m_hideUnreachableBox = new QCheckBox(tr("Hide unreachable"), this);
    m_hideUnreachableBox->setObjectName(QStringLiteral("hideUnreachable"));
    // Hidden until a list is known to be empty: before the database is read there is none.
    m_emptyListHint = new CEmptyListHint(this);
    m_emptyListHint->hide();

    // Programmatic changes of the selection go through SelectEntry, so the signal sees only
    // the user's choices.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_changingSelection)
            emit directoryPicked();
    });
    connect(m_list, &CDirectoryListView::entered, this, &CDirectoryListPanel::OnEnter);
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CDirectoryListPanel::pageWanted);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            &CDirectoryListPanel::OnContextMenu);
    connect(m_nextUnsentButton, &QPushButton::clicked, this, &CDirectoryListPanel::OnNextUnsent);
    connect(m_searchBox, &QLineEdit::textChanged, this, &CDirectoryListPanel::OnFilterChanged);
    connect(m_unsentOnlyBox, &QCheckBox::toggled, this, &CDirectoryListPanel::OnFilterChanged);
    connect(m_hideUnreachableBox, &QCheckBox::toggled, this, &CDirectoryListPanel::OnFilterChanged);
}

void CDirectoryListPanel::resizeEvent(QResizeEvent* event)
{
    // Next unsent sits at the top, under the window's Fill button, the search box and the two
    // filters below it and the list below them all, taking the rest of the height. Each
    // control is as wide as its text needs; where the two filters do not fit side by side, the
    // second goes under the first.
    const int width = event->size().width();
    const QSize nextUnsent = Fitted(*m_nextUnsentButton, QSize(140, 22));
    m_nextUnsentButton->setGeometry(qMax(0, qMin(45, width - nextUnsent.width())), 0,
                                    nextUnsent.width(), nextUnsent.height());
    const int searchHeight = Fitted(*m_searchBox, QSize(0, 22)).height();
    m_searchBox->setGeometry(0, nextUnsent.height() + 6, width, searchHeight);
    const int filtersTop = m_searchBox->geometry().bottom() + 5;
    const QSize unsentOnly = Fitted(*m_unsentOnlyBox, QSize(100, 18));
    m_unsentOnlyBox->setGeometry(0, filtersTop, unsentOnly.width(), unsentOnly.height());
    const QSize hideUnreachable = Fitted(*m_hideUnreachableBox, QSize(115, 18));
    QPoint hideUnreachableAt(qMax(105, unsentOnly.width() + 5), filtersTop);
    if (hideUnreachableAt.x() + hideUnreachable.width() > width)
        hideUnreachableAt = QPoint(0, filtersTop + unsentOnly.height() + 4);
    m_hideUnreachableBox->setGeometry(QRect(hideUnreachableAt, hideUnreachable));
    const int listTop = m_hideUnreachableBox->geometry().bottom() + 5;
    const QRect list(0, listTop, width, qMax(0, event->size().height() - listTop));
    m_list->setGeometry(list);
    m_emptyListHint->setGeometry(list);
    QWidget::resizeEvent(event);
}

void CDirectoryListPanel::SetUserDirectoryTest(UserDirectoryTest test)
{
    m_model->SetUserDirectoryTest(std::move(test));
}

void CDirectoryListPanel::SetAddressLookup(AddressLookup lookup)
{
    m_model->SetAddressLookup(std::move(lookup));
}

void CDirectoryListPanel::OfferWhenEmpty(QList<QAction*> commands)
{
    m_emptyListHint->SetCommands(std::move(commands));
}

void CDirectoryListPanel::SetDirectories(std::shared_ptr<const std::vector<std::string>> names)
{
    {
        const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
        m_model->SetDirectories(std::move(names));
    }
    emit addressesMayHaveChanged();
    ShowHintWhenEmpty();
}

void CDirectoryListPanel::ShowHintWhenEmpty()
{
    // A filter that hides every entry leaves the list in place: the user would otherwise be
    // told to fetch directories the program has.
    const bool empty = m_model->DirectoryCount() == 0;
    m_emptyListHint->setVisible(empty);
    m_list->setVisible(!empty);
}

void CDirectoryListPanel::SetMarks(bool withMarkers, std::vector<uint8_t> sent,
                                   const std::string& profileName, bool byHand)
{
    m_markingProfile = profileName;
    m_marksByHand = byHand;
    {
        // Under "unsent only" a mark can hide the selected entry; that is no pick either.
        const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
        m_model->SetMarks(withMarkers, std::move(sent));
    }
    emit addressesMayHaveChanged();
    emit progressChanged(ProgressText());
}

void CDirectoryListPanel::MarkSent(const std::string& directory, bool select)
{
    // Selected quietly, so the browser keeps the result page instead of opening the directory
    // again. A result read in the background leaves the selection alone: it is not the user's
    // pick.
    const std::optional<size_t> selected = SelectedEntry();
    if (const auto entry = m_model->FindDirectory(directory, selected)) {
        m_model->MarkSent(*entry);
        SelectEntry(select ? entry : selected);
    }
    emit progressChanged(ProgressText());
}

void CDirectoryListPanel::SetConfirmationMails(std::set<std::string> directories)
{
    m_model->SetConfirmationMails(std::move(directories));
}

void CDirectoryListPanel::OnEnter()
{
    // An entry whose confirmation mail has arrived is waiting for its link, not for its form.
    const std::optional<size_t> entry = SelectedEntry();
    if (entry && m_model->HasConfirmationMail(*entry))
        emit confirmationLinkWanted(m_model->DirectoryName(*entry));
    else
        emit pageWanted();
}

std::optional<std::string> CDirectoryListPanel::SelectedDirectory() const
{
    const std::optional<size_t> entry = SelectedEntry();
    if (!entry)
        return std::nullopt;
    return m_model->DirectoryName(*entry);
}

bool CDirectoryListPanel::SelectDirectory(const std::string& directory)
{
    const std::optional<size_t> entry = m_model->FindDirectory(directory);
    SelectEntry(entry);
    return entry.has_value();
}

bool CDirectoryListPanel::HasDirectory(const std::string& directory) const
{
    return m_model->FindDirectory(directory).has_value();
}

void CDirectoryListPanel::FocusSearch()
{
    m_searchBox->setFocus(Qt::ShortcutFocusReason);
    m_searchBox->selectAll();
}

void CDirectoryListPanel::FocusList()
{
    m_list->setFocus(Qt::ShortcutFocusReason);
}

void CDirectoryListPanel::MergeCheckResults(const std::vector<DirectoryCheckResult>& results,
                                            bool justChecked)
{
    m_model->MergeCheckResults(results, justChecked);
}

size_t CDirectoryListPanel::DirectoryCount() const
{
    return m_model->DirectoryCount();
}

size_t CDirectoryListPanel::SentCount() const
{
    return m_model->SentCount();
}

void CDirectoryListPanel::TabThrough(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = m_list;
    for (QWidget* control : controls) {
        setTabOrder(previous, control);
        previous = control;
    }
    for (QWidget* own :
         {static_cast<QWidget*>(m_nextUnsentButton), static_cast<QWidget*>(m_searchBox),
          static_cast<QWidget*>(m_unsentOnlyBox), static_cast<QWidget*>(m_hideUnreachableBox)}) {
        setTabOrder(previous, own);
        previous = own;
    }
}

QString CDirectoryListPanel::ProgressText() const
{
    if (!m_model->HasMarkers())
        return {};
    return QString::fromStdString(
        DescribeProgress(m_model->SentCount(), m_model->DirectoryCount(), m_markingProfile));
}

void CDirectoryListPanel::OnNextUnsent()
{
    if (!m_model->HasMarkers()) {
        m_presenter.ShowMessage(tr("Please create a profile first!").toStdString(),
                                tr("Error").toStdString(), MessageIcon::Exclamation);
        return;
    }
    const auto shown = [this](size_t directory) { return m_filter->RowOf(directory) >= 0; };
    const auto worthOpening = [this](size_t directory) { return IsWorthOpening(directory); };
    const std::vector<uint8_t>& sent = m_model->SentFlags();
    const std::optional<size_t> next = NextUnsent(sent, SelectedEntry(), worthOpening);
    if (!next) {
        const bool deadLeft = NextUnsent(sent, std::nullopt, shown).has_value();
        emit statusReported(
            {DescribeNothingUnsent(m_markingProfile, m_filter->IsFiltering(), deadLeft), false});
        return;
    }
    SelectEntry(next);
    emit directoryPicked();
    emit pageWanted();
}

std::vector<std::string> CDirectoryListPanel::NextUnsentAfter(const std::string& directory,
                                                              size_t count) const
{
    const std::optional<size_t> from = m_model->FindDirectory(directory, SelectedEntry());
    if (!m_model->HasMarkers() || !from)
        return {};
    std::vector<std::string> names;
    for (const size_t entry : NextUnsentRun(
             m_model->SentFlags(), from,
             [this](size_t directory) { return IsWorthOpening(directory); }, count))
        names.push_back(m_model->DirectoryName(entry));
    return names;
}

bool CDirectoryListPanel::IsWorthOpening(size_t directory) const
{
    return m_filter->RowOf(directory) >= 0 && !m_model->IsFoundDead(directory);
}

void CDirectoryListPanel::OnFilterChanged()
{
    // The selection stays with its directory, and goes only when the filter hides it; the view
    // would otherwise move it to a neighbour. Neither is a pick of another directory.
    const std::optional<size_t> selected = SelectedEntry();
    {
        const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
        m_filter->SetFilter(
            CDirectoryFilter(m_searchBox->text().toStdString(), m_unsentOnlyBox->isChecked()),
            m_hideUnreachableBox->isChecked());
    }
    SelectEntry(selected);
    emit filterChanged();
}

void CDirectoryListPanel::OnContextMenu(const QPoint& position)
{
    const QModelIndex index = m_list->indexAt(position);
    if (!index.isValid() || !m_marksByHand)
        return;
    const std::optional<size_t> entry = m_filter->DirectoryAt(index.row());
    if (!entry)
        return;
    const std::string directory = m_model->DirectoryName(*entry);
    const bool sent = m_model->IsSent(*entry);

    QMenu menu(this);
    QAction* markSent = menu.addAction(tr("Mark as sent"));
    markSent->setObjectName(QStringLiteral("markSent"));
    QAction* markNotSent = menu.addAction(tr("Mark as not sent"));
    markNotSent->setObjectName(QStringLiteral("markNotSent"));
    markSent->setEnabled(!sent);
    markNotSent->setEnabled(sent);
    connect(markSent, &QAction::triggered, this,
            [this, directory] { emit markRequested(directory, true); });
    connect(markNotSent, &QAction::triggered, this,
            [this, directory] { emit markRequested(directory, false); });
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

std::optional<size_t> CDirectoryListPanel::SelectedEntry() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return m_filter->DirectoryAt(selected.front().row());
}

void CDirectoryListPanel::SelectEntry(std::optional<size_t> directory)
{
    const QScopedValueRollback<bool> programmatic(m_changingSelection, true);
    const int row = directory ? m_filter->RowOf(*directory) : -1;
    if (row < 0) {
        m_list->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex entry = m_filter->index(row, 0);
    m_list->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(entry);
}
