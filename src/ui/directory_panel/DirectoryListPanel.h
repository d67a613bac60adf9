#pragma once

#include "common/MessagePresenter.h"
#include "directory_check/DirectoryCheckResult.h"
#include "page_filling/FillReport.h"

#include <QList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class CDirectoryFilterProxy;
class CDirectoryListModel;
class CDirectoryListView;
class CEmptyListHint;
class QAction;
class QCheckBox;
class QLineEdit;
class QPoint;
class QPushButton;

// The directory list with what serves it: the search box, "Unsent only", "Hide unreachable",
// "Next unsent", the sent marks, the directory check's findings and the context menu that sets
// the marks by hand. It reports the user's pick of a
// directory and takes the directories and their marks; whatever the program itself does to
// the selection is nobody's pick.
class CDirectoryListPanel final : public QWidget
{
    Q_OBJECT

public:
    using UserDirectoryTest = std::function<bool(const std::string& name)>;
    using AddressLookup = std::function<std::optional<std::string>(const std::string& name)>;

    CDirectoryListPanel(MessagePresenter& presenter, QWidget* parent);

    void SetUserDirectoryTest(UserDirectoryTest test);
    // Where each directory's page opens now: a check's result counts only at its address.
    void SetAddressLookup(AddressLookup lookup);
    // The commands that bring directories, offered in place of a list that holds none.
    void OfferWhenEmpty(QList<QAction*> commands);
    // A new list of directories, unmarked; null for none. The selection goes.
    void SetDirectories(std::shared_ptr<const std::vector<std::string>> names);
    // Markers on for `profileName` (one flag per directory, set for sent), or, without a current
    // profile, off; `byHand` when the profile's marks may be set from the context menu. The
    // selection stays.
    void SetMarks(bool withMarkers, std::vector<uint8_t> sent, const std::string& profileName,
                  bool byHand);
    // Marks the directory's entry sent, and selects it when asked; else the selection stays.
    void MarkSent(const std::string& directory, bool select);
    // The profile whose sent marks the list shows, or is to show once it has directories.
    const std::string& MarkingProfile() const { return m_markingProfile; }
    void SetMarkingProfile(const std::string& profileName) { m_markingProfile = profileName; }
    // True when the list has the directory, shown or hidden by the filter.
    bool HasDirectory(const std::string& directory) const;

    // The selected entry's directory. Selection, not the current item: the list makes an item
    // current by itself when it gains focus, which is nobody's choice.
    std::optional<std::string> SelectedDirectory() const;
    // Selects the directory's entry, or nothing when it has none or is hidden; false when the
    // list has no such directory.
    bool SelectDirectory(const std::string& directory);
    // Go > Find directory.
    void FocusSearch();
    // The keyboard goes back to the list, onto the entry picked.
    void FocusList();
    // Tab goes from the list through the window's `controls`, then on to the panel's own
    // buttons and filters: the order the window always had.
    void TabThrough(std::initializer_list<QWidget*> controls);
    size_t DirectoryCount() const;
    size_t SentCount() const;
    // The findings of a directory check, shown on the entries they concern.
    void MergeCheckResults(const std::vector<DirectoryCheckResult>& results, bool justChecked);
    // The directories whose confirmation mail has arrived: their entries say so, and Enter on
    // one asks for its link instead of going into its page.
    void SetConfirmationMails(std::set<std::string> directories);
    // "12 of 48 directories sent for Blog", or nothing without a current profile.
    QString ProgressText() const;

    // Go > Next unsent and the button: the next directory not yet sent, picked as by the user.
    void OnNextUnsent();
    // The directories Next unsent would go to one after another from `directory`, at most
    // `count`: those worth having ready before the user asks for them.
    std::vector<std::string> NextUnsentAfter(const std::string& directory, size_t count) const;

signals:
    // The user picked an entry; a pick of nothing while no profile is current counts too.
    void directoryPicked();
    // After the pick, the user wants to go on in the page: Next unsent, Enter or a double
    // click. A pick by arrow keys or a single click means browsing the list.
    void pageWanted();
    // Enter on an entry whose confirmation mail has arrived.
    void confirmationLinkWanted(const std::string& directory);
    void markRequested(const std::string& directory, bool sent);
    void statusReported(const StatusMessage& message);
    void progressChanged(const QString& progress);
    // The search text or a filter changed what the list shows.
    void filterChanged();
    // A new list or another profile: a directory may open at another address than before.
    void addressesMayHaveChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnFilterChanged();
    void OnEnter();
    void OnContextMenu(const QPoint& position);
    void ShowHintWhenEmpty();
    std::optional<size_t> SelectedEntry() const;
    // Shown by the filter, and not found gone by the last check, which would waste the
    // user's time.
    bool IsWorthOpening(size_t directory) const;
    void SelectEntry(std::optional<size_t> directory);

    MessagePresenter& m_presenter;
    CDirectoryListModel* m_model = nullptr;
    CDirectoryFilterProxy* m_filter = nullptr;
    CDirectoryListView* m_list = nullptr;
    CEmptyListHint* m_emptyListHint = nullptr;
    QPushButton* m_nextUnsentButton = nullptr;
    QLineEdit* m_searchBox = nullptr;
    QCheckBox* m_unsentOnlyBox = nullptr;
    QCheckBox* m_hideUnreachableBox = nullptr;
    std::string m_markingProfile; // whose sent set marks the list
    bool m_marksByHand = false;
    // Set while the program itself changes the selection, which is nobody's pick.
    bool m_changingSelection = false;
};
