#pragma once

#include "directory_check/DirectoryCheckResult.h"

#include <QAbstractListModel>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
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
    // The address a directory's page opens at now; nullopt when it cannot be opened.
    using AddressLookup = std::function<std::optional<std::string>(const std::string& name)>;
    static constexpr int kUserDirectoryRole = Qt::UserRole + 1;
    // The DirectoryCheckStatus (as int) of a directory whose last check was not ok; none else.
    static constexpr int kCheckStatusRole = Qt::UserRole + 2;
    // True for a directory whose confirmation mail has arrived.
    static constexpr int kConfirmationMailRole = Qt::UserRole + 3;

    explicit CDirectoryListModel(QObject* parent = nullptr);

    // A new list of directories, none marked; null for none.
    void SetDirectories(std::shared_ptr<const std::vector<std::string>> names);
    // Markers on (one flag per directory, set for sent) or, without a current profile, off.
    void SetMarks(bool withMarkers, std::vector<uint8_t> sent);
    void MarkSent(size_t directory);
    void SetUserDirectoryTest(UserDirectoryTest test);
    // A check's result counts only while the directory opens at the address it was found at:
    // after an update, an edit or a profile of another category it says nothing. Without a
    // lookup every result counts.
    void SetAddressLookup(AddressLookup lookup);
    // Later checks of the same directories replace earlier ones. Kept by name, so they stay
    // across a new list of directories. `justChecked`: found at the addresses the directories
    // have now, by a check of this session; results read from the file are compared with the
    // address when first needed.
    void MergeCheckResults(const std::vector<DirectoryCheckResult>& results, bool justChecked);
    // The directories whose confirmation mail has arrived, by name.
    void SetConfirmationMails(std::set<std::string> directories);
    bool HasConfirmationMail(size_t directory) const;

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
    struct CheckProblemEntry
    {
        DirectoryCheckResult result;
        // Whether the directory still opens at the result's address; asked when first needed,
        // since a lookup reads the directory's entry in the database.
        mutable std::optional<bool> current;
    };

    void MarksChanged(int first, int last);
    // "not sent, gone, one of your own, confirmation mail arrived".
    QString StateInWords(size_t directory) const;
    // The directory's last check when it was not ok, and made at the address it has now.
    const DirectoryCheckResult* CheckProblem(const std::string& name) const;
    // Addresses may have changed: each result's is compared again when next needed.
    void ForgetWhichProblemsAreCurrent();

    std::shared_ptr<const std::vector<std::string>> m_names;
    std::vector<uint8_t> m_sent;
    bool m_withMarkers = false;
    UserDirectoryTest m_isUserDirectory;
    AddressLookup m_addressOf;
    std::unordered_map<std::string, CheckProblemEntry> m_checkProblems; // by name, not ok only
    std::unordered_set<std::string> m_checked;                          // by name, every one
    std::set<std::string> m_confirmationMails;                          // by name
    // Each name's row, into m_names; made when check results first arrive for these names.
    std::unordered_map<std::string_view, size_t> m_rows;
};
