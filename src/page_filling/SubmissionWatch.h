#pragma once

#include <cstdint>

// Which of a filled page's form submissions are the directory's. Only the submission of a form
// that holds a field the fill set counts: a search or newsletter form beside it, or a hidden
// form the page submits by itself, is not the directory's. The page's documents are told apart
// by a generation that moves on with every navigation.
class CSubmissionWatch final
{
public:
    // The fill of document `generation` set fields in a form.
    void Arm(uint64_t generation);
    // True while document `generation` is the one whose fill is watched.
    bool Watches(uint64_t generation) const { return m_armed == generation; }

    // Document `generation` collects a form's data to submit it, as every submission does
    // (the user's, the page's requestSubmit() or submit()), before it navigates.
    void OnFormDataCollected(uint64_t generation, bool holdsFilledField);
    // A submit event of the document shown went through every handler of the page.
    bool CountsSubmitEvent(uint64_t shown, bool holdsFilledField) const;
    // A navigation leaves document `leaving`; true when it is the submission of a form that
    // holds a filled field. Only a form submission's navigation can be one.
    bool CountsNavigation(uint64_t leaving, bool formSubmission);

private:
    static constexpr uint64_t kNone = UINT64_MAX;

    uint64_t m_armed = kNone;
    // The document whose last collected form held a filled field.
    uint64_t m_filledFormCollected = kNone;
};
