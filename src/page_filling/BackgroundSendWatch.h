#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

// A request a page sent on its own, as the browser reports it.
struct PageRequest
{
    std::string site;    // the origin of the document that sent it ("http://host:port")
    std::string method;  // "POST", "GET" …
    std::string address; // where it went, without its query
    bool beacon = false; // navigator.sendBeacon() or a link's ping: never a form's sending
};

// A page that sends its form itself, in the background (fetch, XMLHttpRequest), cancels the
// browser's own sending of it and stays on the page. Such a submission is told from a refusal
// by the page's validation by the request that goes with it: a cancelled submit of the filled
// form and a request of the document that holds that form, close together, make a submission;
// a cancelled submit alone does not. Requests of other sites (another frame's, an
// advertisement's), beacons, and the requests a page repeats on its own (it polls) say nothing
// of the form.
class CBackgroundSendWatch final
{
public:
    // A request the page's submit handler sends at once reaches the program before the scripts'
    // notice of the cancelled submit; one that early still counts.
    static constexpr uint32_t kRequestAheadMilliseconds = 500;
    // After the cancelled submit, a page may check a little before it sends.
    static constexpr uint32_t kRequestAfterMilliseconds = 2000;

    // The filled form's submit was cancelled by the page; true when its request already went.
    bool OnCancelledSubmit(uint32_t now);
    // The page sent `request`; `filledSite` is the origin of the document that holds the filled
    // form. True when the request answers a cancelled submit.
    bool OnRequest(const PageRequest& request, const std::string& filledSite, uint32_t now);
    // The page moved on to another document: nothing before counts.
    void Reset();

private:
    // True when `other` was noted at most `within` before `now`: the pair is made, and
    // nothing stays noted. Otherwise `noted` holds `now`.
    bool Pair(std::optional<uint32_t>& noted, const std::optional<uint32_t>& other, uint32_t within,
              uint32_t now);

    std::optional<uint32_t> m_cancelledAt;
    std::optional<uint32_t> m_requestAt;
    std::string m_requestKey; // method and address of the last new request
    // Method and address of every request the document sent: one sent again is a repetition.
    std::set<std::string> m_heard;
};
