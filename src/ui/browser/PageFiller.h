#pragma once

#include "directory_db/FormField.h"
#include "page_filling/FillReport.h"
#include "page_filling/PlaceholderComposer.h"
#include "ui/browser/CategoryFill.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CBrowserPage;
class QObject;

// The name under which the page's scripts find the object that hears of form submissions.
inline constexpr char kSubmitSinkChannelName[] = "submitSink";

// Fills the browser's current page from form fields whose values are already composed, and
// watches the form of the last field set for its submission. For a while after the fill the
// page goes on filling fields that its scripts add; the browser's page events report those.
class CPageFiller final
{
public:
    using Completion = std::function<void(const FillReport&)>;

    // A value for the field that the page's description gave this ordinal.
    struct MeaningValue
    {
        int ordinal = 0;
        std::string value;
        FieldRole role = FieldRole::Other;
    };
    struct MeaningOutcome
    {
        std::vector<int> filled;              // ordinals of the fields set
        int kept = 0;                         // fields left alone because the user typed into them
        std::vector<std::string> leftForUser; // captions of the fields only the user can answer
    };
    using MeaningCompletion = std::function<void(const MeaningOutcome&)>;

    explicit CPageFiller(CBrowserPage& page);

    // The page fills itself asynchronously. `done` runs only if `context` still exists and the
    // page still shows the document that was filled. `roles` gives each field's role (none:
    // every field's is Other): the document that gets the values is the one whose form takes
    // the feed's address or most of the fields, never one that takes only contact fields.
    // Given a profile's `category`, the page's category lists that the fields left unanswered
    // are then chosen as the user chose before (`chosenBefore`) or by meaning, and the report
    // says which are left for the user.
    void Fill(const std::vector<FormField>& fields, QObject* context, Completion done = {},
              const std::vector<FieldRole>& roles = {},
              std::optional<CategoryProfile> category = std::nullopt,
              ChosenCategory chosenBefore = {});
    // Fills fields found by the page's own description (given by its token) instead of a
    // directory's rules: exactly the elements described that are still in the page, and never
    // one the user typed into. The form of the last field set is watched, as by Fill.
    void FillByMeaning(const std::string& descriptionToken, const std::vector<MeaningValue>& values,
                       QObject* context, MeaningCompletion done = {});

private:
    CBrowserPage& m_page;
};
