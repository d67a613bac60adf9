#pragma once

#include "directory_db/FormField.h"

#include <functional>
#include <vector>

class CBrowserPage;
class QObject;

// The name under which the page's scripts find the object that hears of form submissions.
inline constexpr char kSubmitSinkChannelName[] = "submitSink";

// Fills the browser's current page from form fields whose values are already composed, and
// watches the form of the last field set for its submission.
class CPageFiller final
{
public:
    struct Outcome
    {
        int fieldsSet = 0;
        bool formWatched = false;
    };
    using Completion = std::function<void(const Outcome&)>;

    explicit CPageFiller(CBrowserPage& page);

    // The page fills itself asynchronously. `done` runs only if `context` still exists and the
    // page still shows the document that was filled.
    void Fill(const std::vector<FormField>& fields, QObject* context, Completion done = {});

private:
    CBrowserPage& m_page;
};
