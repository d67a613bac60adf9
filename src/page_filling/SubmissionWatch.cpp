#include "page_filling/SubmissionWatch.h"

void CSubmissionWatch::Arm(uint64_t generation)
{
    m_armed = generation;
}

void CSubmissionWatch::OnFormDataCollected(uint64_t generation, bool holdsFilledField)
{
    // The latest collection decides: the form the page submits last is the one that leaves.
    m_filledFormCollected = holdsFilledField ? generation : kNone;
}

bool CSubmissionWatch::CountsSubmitEvent(uint64_t shown, bool holdsFilledField) const
{
    return holdsFilledField && Watches(shown);
}

bool CSubmissionWatch::CountsNavigation(uint64_t leaving, bool formSubmission)
{
    const bool counts = formSubmission && Watches(leaving) && m_filledFormCollected == leaving;
    // The form's data went with this navigation; a later one needs a collection of its own.
    if (m_filledFormCollected == leaving)
        m_filledFormCollected = kNone;
    return counts;
}
