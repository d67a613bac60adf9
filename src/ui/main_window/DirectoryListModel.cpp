#include "ui/main_window/DirectoryListModel.h"

#include "page_filling/DirectoryListEntry.h"

#include <algorithm>

CDirectoryListModel::CDirectoryListModel(QObject* parent) : QAbstractListModel(parent) {}

void CDirectoryListModel::SetDirectories(std::shared_ptr<const std::vector<std::string>> names)
{
    beginResetModel();
    m_names = std::move(names);
    m_sent.assign(DirectoryCount(), 0);
    m_withMarkers = false;
    endResetModel();
}

void CDirectoryListModel::SetMarks(bool withMarkers, std::vector<uint8_t> sent)
{
    sent.resize(DirectoryCount(), 0);
    m_sent = std::move(sent);
    m_withMarkers = withMarkers;
    MarksChanged(0, rowCount() - 1);
}

void CDirectoryListModel::MarkSent(size_t directory)
{
    if (directory >= DirectoryCount() || m_sent[directory])
        return;
    m_sent[directory] = 1;
    MarksChanged(static_cast<int>(directory), static_cast<int>(directory));
}

void CDirectoryListModel::SetDecoration(Decoration decoration)
{
    m_decoration = std::move(decoration);
    MarksChanged(0, rowCount() - 1);
}

size_t CDirectoryListModel::SentCount() const
{
    return static_cast<size_t>(std::count(m_sent.begin(), m_sent.end(), 1));
}

int CDirectoryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(DirectoryCount());
}

QVariant CDirectoryListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const auto directory = static_cast<size_t>(index.row());
    const SentMarker marker = !m_withMarkers      ? SentMarker::None
                              : m_sent[directory] ? SentMarker::Sent
                                                  : SentMarker::NotSent;
    const std::string& name = DirectoryName(directory);
    return QString::fromStdString(
        MakeDirectoryListEntry(m_decoration ? name + m_decoration(directory) : name, marker));
}

void CDirectoryListModel::MarksChanged(int first, int last)
{
    if (first <= last)
        emit dataChanged(index(first), index(last), {Qt::DisplayRole});
}
