#pragma once

#include "history/CategoryChoiceStore.h"
#include "page_filling/CategoryChooser.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class CBrowserPage;

// history.sqlite, for the user's category picks, opened when a fill or a submission first needs
// it: a window that never meets a category list leaves the file as it is. Used on the window's
// thread only.
class CCategoryChoiceFile final
{
public:
    // An empty path (no data folder) keeps nothing.
    explicit CCategoryChoiceFile(std::string path) : m_path(std::move(path)) {}

    // Null when the file cannot be opened; that is said once, and nothing is remembered then.
    CCategoryChoiceStore* Store();

private:
    std::string m_path;
    CCategoryChoiceStore m_store;
    bool m_tried = false;
};

// The name under which the page's scripts find the object that hears the user's category picks.
inline constexpr char kCategoryPicksChannelName[] = "categoryPicks";

// The user's own picks on a filled page's category lists: heard from the page as they are made,
// remembered for the directory and the profile's category and subcategory once the filled form
// is submitted, and offered to the next fill of that directory for a profile of that category.
// A profile without a category has nothing remembered: its picks may suit no other profile.
class CCategoryPicks final : public QObject
{
    Q_OBJECT

public:
    // Without a `file` nothing is remembered.
    CCategoryPicks(const CBrowserPage& page, std::shared_ptr<CCategoryChoiceFile> file,
                   QObject* parent);

    // A fill of the page's current document begins: the picks heard on another one are
    // forgotten.
    void OnFill(const std::string& directory, const std::string& category,
                const std::string& subcategory);
    // The option chosen by hand on the list the last time, for the fill begun.
    std::optional<CategoryOption> ChosenBefore(const std::string& list) const;
    // The filled form was submitted: the picks made on it are remembered.
    void OnSubmitted();

public slots:
    // Called from the page when the user picked an option of a list the fill chose or left;
    // `changed` tells whether it is another one than the fill's.
    void picked(const QString& list, const QString& value, const QString& text,
                const QString& group, bool changed);

private:
    const CBrowserPage& m_page;
    // Shared by every tab's session, and kept by the last one to go.
    std::shared_ptr<CCategoryChoiceFile> m_file;
    CategoryChoiceKey m_fill; // its list is given by each pick
    uint64_t m_document = 0;  // the document filled
    std::map<std::string, ChosenOption> m_picks;
};
