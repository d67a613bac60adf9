#pragma once

#include "directory_check/DirectoryCheckResult.h"

#include <QAbstractListModel>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// The directory list's entries, one per directory in database order, each made when the list
// shows it: the name (shared with the database, never copied) and, while a profile is current,
// its sent marker. Changing the profile changes only one flag per directory. Whether a directory
// is one of the user's own, and what the last check of it found when that was not ok, are roles
// of its row, which the view's delegate shows. A screen reader reads the name and, as the row's
// description, all of that in words.
class CDirectoryListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    // True for the user's own directories, asked as rows are shown.
    using UserDirectoryTest = std::function<bool(const std::string& name)>;
    static constexpr int kUserDirectoryRole = Qt::UserRole + 1;
    // The DirectoryCheckStatus (as int) of a directory whose last check was not ok; none else.
    static constexpr int kCheckStatusRole = Qt::UserRole + 2;

    explicit CDirectoryListModel(QObject* parent = nullptr);

    // A new list of directories, none marked; null for none.
    void SetDirectories(std::shared_ptr<const std::vector<std::string>> names);
    // Markers on (one flag per directory, set for sent) or, without a current profile, off.
    void SetMarks(bool withMarkers, std::vector<uint8_t> sent);
    void MarkSent(size_t directory);
    void SetUserDirectoryTest(UserDirectoryTest test);
    // Later checks of the same directories replace earlier ones. Kept by name, so they stay
    // across a new list of directories.
    void MergeCheckResults(const std::vector<DirectoryCheckResult>& results);

    size_t DirectoryCount() const { return m_names ? m_names->size() : 0; }
    bool HasMarkers() const { return m_withMarkers; }
    const std::string& DirectoryName(size_t directory) const { return (*m_names)[directory]; }
    bool IsSent(size_t directory) const { return m_sent[directory] != 0; }
    const std::vector<uint8_t>& SentFlags() const { return m_sent; }
    size_t SentCount() const;
    bool IsFoundDead(size_t directory) const;
    // The directory named exactly `name`, trying `likely` first; nullopt for none.
    std::optional<size_t> FindDirectory(const std::string& name,
                                        std::optional<size_t> likely = std::nullopt) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void MarksChanged(int first, int last);
    // "not sent, gone, one of your own".
    QString StateInWords(size_t directory) const;
    const DirectoryCheckResult* CheckProblem(const std::string& name) const;

    std::shared_ptr<const std::vector<std::string>> m_names;
    std::vector<uint8_t> m_sent;
    bool m_withMarkers = false;
    UserDirectoryTest m_isUserDirectory;
    std::unordered_map<std::string, DirectoryCheckResult> m_checkProblems; // by name, not ok only
    std::unordered_set<std::string> m_checked;                             // by name, every one
    // Each name's row, into m_names; made when check results first arrive for these names.
    std::unordered_map<std::string_view, size_t> m_rows;
};
