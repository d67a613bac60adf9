#pragma once

#include <cstdint>
#include <optional>

// A page that sends its form itself, in the background (fetch, XMLHttpRequest), cancels the
// browser's own sending of it and stays on the page. Such a submission is told from a refusal
// by the page's validation by the request that goes with it: a cancelled submit of the filled
// form and a request of the page's close together make a submission; a cancelled submit alone
// does not.
class CBackgroundSendWatch final
{
public:
    // A request the page's submit handler sends at once reaches the program before the scripts'
    // notice of the cancelled submit; one that early still counts.
    static constexpr uint32_t kRequestAheadMilliseconds = 500;
    // After the cancelled submit, a page may check a little before it sends.
    static constexpr uint32_t kRequestAfterMilliseconds = 2000;

    // The filled form's submit was cancelled by the page; true when a request already went.
    bool OnCancelledSubmit(uint32_t now);
    // The page sent a request; true when it answers a cancelled submit.
    bool OnRequest(uint32_t now);
    // The page moved on to another document: nothing before counts.
    void Reset();

private:
    // True when `other` was noted at most `within` before `now`: the pair is made, and
    // nothing stays noted. Otherwise `noted` holds `now`.
    bool Pair(std::optional<uint32_t>& noted, const std::optional<uint32_t>& other, uint32_t within,
              uint32_t now);

    std::optional<uint32_t> m_cancelledAt;
    std::optional<uint32_t> m_requestAt;
};
