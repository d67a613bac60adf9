#include "ui/directory_panel/DirectoryListModel.h"

#include "page_filling/DirectoryListEntry.h"
#include "ui/directory_check/DirectoryCheckText.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>

CDirectoryListModel::CDirectoryListModel(QObject* parent) : QAbstractListModel(parent) {}

void CDirectoryListModel::SetDirectories(std::shared_ptr<const std::vector<std::string>> names)
{
    beginResetModel();
    m_names = std::move(names);
    m_rows.clear();
    ForgetWhichProblemsAreCurrent();
    m_sent.assign(DirectoryCount(), 0);
    m_withMarkers = false;
    endResetModel();
}

void CDirectoryListModel::SetMarks(bool withMarkers, std::vector<uint8_t> sent)
{
    sent.resize(DirectoryCount(), 0);
    m_sent = std::move(sent);
    m_withMarkers = withMarkers;
    // Marks change with the profile, and so may the category in the addresses.
    ForgetWhichProblemsAreCurrent();
    MarksChanged(0, rowCount() - 1);
}

void CDirectoryListModel::MarkSent(size_t directory)
{
    if (directory >= DirectoryCount() || m_sent[directory])
        return;
    m_sent[directory] = 1;
    MarksChanged(static_cast<int>(directory), static_cast<int>(directory));
}

void CDirectoryListModel::SetUserDirectoryTest(UserDirectoryTest test)
{
    m_isUserDirectory = std::move(test);
    MarksChanged(0, rowCount() - 1);
}

void CDirectoryListModel::SetAddressLookup(AddressLookup lookup)
{
    m_addressOf = std::move(lookup);
    ForgetWhichProblemsAreCurrent();
    MarksChanged(0, rowCount() - 1);
}

void CDirectoryListModel::ForgetWhichProblemsAreCurrent()
{
    for (auto& [name, problem] : m_checkProblems)
        problem.current.reset();
}

void CDirectoryListModel::MergeCheckResults(const std::vector<DirectoryCheckResult>& results,
                                            bool justChecked)
{
    // A running check sends its results a few times a second, each time a few of a list that
    // may hold 50,000: only the rows between the first and the last changed are looked at again.
    if (m_rows.empty()) {
        m_rows.reserve(DirectoryCount());
        for (size_t row = 0; row < DirectoryCount(); ++row)
            m_rows.emplace(DirectoryName(row), row);
    }
    int first = rowCount();
    int last = -1;
    for (const DirectoryCheckResult& result : results) {
        m_checked.insert(result.name);
        if (result.IsOk())
            m_checkProblems.erase(result.name);
        else
            m_checkProblems.insert_or_assign(
                result.name,
                CheckProblemEntry{result, justChecked ? std::optional(true) : std::nullopt});
        if (const auto row = m_rows.find(result.name); row != m_rows.end()) {
            first = std::min(first, static_cast<int>(row->second));
            last = std::max(last, static_cast<int>(row->second));
        }
    }
    MarksChanged(first, last);
}

void CDirectoryListModel::SetConfirmationMails(std::set<std::string> directories)
{
    if (directories == m_confirmationMails)
        return;
    m_confirmationMails = std::move(directories);
    MarksChanged(0, rowCount() - 1);
}

bool CDirectoryListModel::HasConfirmationMail(size_t directory) const
{
    return m_confirmationMails.contains(DirectoryName(directory));
}

bool CDirectoryListModel::IsFoundDead(size_t directory) const
{
    const DirectoryCheckResult* problem = CheckProblem(DirectoryName(directory));
    return problem && ::IsFoundDead(problem->status);
}

const DirectoryCheckResult* CDirectoryListModel::CheckProblem(const std::string& name) const
{
    const auto found = m_checkProblems.find(name);
    if (found == m_checkProblems.end())
        return nullptr;
    const CheckProblemEntry& problem = found->second;
    // Asked only for directories with a problem, and only once per change of addresses: a
    // filter asks for every row at each keystroke.
    if (!problem.current)
        problem.current = !m_addressOf || m_addressOf(name) == problem.result.address;
    return *problem.current ? &problem.result : nullptr;
}

size_t CDirectoryListModel::SentCount() const
{
    return static_cast<size_t>(std::count(m_sent.begin(), m_sent.end(), 1));
}

std::optional<size_t> CDirectoryListModel::FindDirectory(const std::string& name,
                                                         std::optional<size_t> likely) const
{
    // By the exact name: another directory whose name merely begins with it ("A" and
    // "A Extra", "Feeds" and "Feeds [DE]") is a different directory.
    const auto standsFor = [this, &name](size_t directory) {
        return DirectoryName(directory) == name;
    };
    if (likely && *likely < DirectoryCount() && standsFor(*likely))
        return likely;
    for (size_t directory = 0; directory < DirectoryCount(); ++directory) {
        if (standsFor(directory))
            return directory;
    }
    return std::nullopt;
}

int CDirectoryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(DirectoryCount());
}

QVariant CDirectoryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto directory = static_cast<size_t>(index.row());
    const std::string& name = DirectoryName(directory);
    if (role == kCheckStatusRole) {
        const DirectoryCheckResult* problem = CheckProblem(name);
        return problem ? QVariant(static_cast<int>(problem->status)) : QVariant();
    }
    if (role == kConfirmationMailRole)
        return HasConfirmationMail(directory);
    if (role == kUserDirectoryRole || role == Qt::ToolTipRole) {
        const bool mine = m_isUserDirectory && m_isUserDirectory(name);
        if (role == kUserDirectoryRole)
            return mine;
        QStringList lines;
        if (const DirectoryCheckResult* problem = CheckProblem(name))
            lines.append(DirectoryCheckTooltip(*problem, QDateTime::currentDateTime()));
        if (mine)
            lines.append(tr("One of your own directories, kept in mydirs.xml"));
        if (HasConfirmationMail(directory))
            lines.append(tr("Its confirmation mail has arrived: Enter opens the link"));
        return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
    }
    if (role == Qt::AccessibleTextRole)
        return QString::fromStdString(name);
    if (role == Qt::AccessibleDescriptionRole)
        return StateInWords(directory);
    if (role != Qt::DisplayRole)
        return {};
    const SentMarker marker = !m_withMarkers      ? SentMarker::None
                              : m_sent[directory] ? SentMarker::Sent
                                                  : SentMarker::NotSent;
    return QString::fromStdString(MakeDirectoryListEntry(name, marker));
}

QString CDirectoryListModel::StateInWords(size_t directory) const
{
    const std::string& name = DirectoryName(directory);
    QStringList words;
    if (m_withMarkers)
        words.append(m_sent[directory] ? tr("sent") : tr("not sent"));
    if (const DirectoryCheckResult* problem = CheckProblem(name))
        words.append(::IsFoundDead(problem->status)
                         ? tr("gone")
                         : DirectoryCheckTooltip(*problem, QDateTime::currentDateTime()));
    else
        words.append(m_checked.count(name) > 0 ? tr("checked") : tr("not checked"));
    if (m_isUserDirectory && m_isUserDirectory(name))
        words.append(tr("one of your own"));
    if (HasConfirmationMail(directory))
        words.append(tr("confirmation mail arrived"));
    return words.join(QStringLiteral(", "));
}

void CDirectoryListModel::MarksChanged(int first, int last)
{
    if (first <= last)
        emit dataChanged(index(first), index(last),
                         {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole,
                          kUserDirectoryRole, kCheckStatusRole, kConfirmationMailRole});
}
