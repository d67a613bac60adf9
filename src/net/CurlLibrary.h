#pragma once

#include <curl/curl.h>
#include <memory>

// libcurl, loaded when a transfer first needs it rather than by the dynamic loader at start-up:
// linking it would map its many TLS and protocol libraries before the window can appear, for a
// command that is rarely used. Only the types and constants of <curl/curl.h> are used at
// compile time; every call goes through the functions resolved here.
class CCurlLibrary final
{
public:
    static constexpr const char* kFileName = "libcurl.so.4";

    using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
    using MultiHandle = std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)>;
    using UrlHandle = std::unique_ptr<CURLU, decltype(&curl_url_cleanup)>;

    // Loads `fileName` and initialises it; IsAvailable() tells whether that worked.
    explicit CCurlLibrary(const char* fileName = kFileName);

    CCurlLibrary(const CCurlLibrary&) = delete;
    CCurlLibrary& operator=(const CCurlLibrary&) = delete;

    // The process's libcurl, loaded by the first call from whichever thread makes it.
    static const CCurlLibrary& Shared();

    // The calls below may only be made when this is true.
    bool IsAvailable() const { return m_available; }

    // Empty when libcurl could not make a handle.
    EasyHandle EasyInit() const { return {m_easyInit(), m_easyCleanup}; }
    CURLcode EasyPerform(CURL* curl) const { return m_easyPerform(curl); }

    template <typename Value> CURLcode EasySetopt(CURL* curl, CURLoption option, Value value) const
    {
        return m_easySetopt(curl, option, value);
    }

    template <typename Value> CURLcode EasyGetinfo(CURL* curl, CURLINFO info, Value* value) const
    {
        return m_easyGetinfo(curl, info, value);
    }
    // On a connection made with CURLOPT_CONNECT_ONLY: bytes as they are, through its TLS.
    CURLcode EasySend(CURL* curl, const void* bytes, size_t length, size_t* sent) const
    {
        return m_easySend(curl, bytes, length, sent);
    }
    CURLcode EasyRecv(CURL* curl, void* buffer, size_t length, size_t* received) const
    {
        return m_easyRecv(curl, buffer, length, received);
    }

    // Many transfers on one thread. Empty when libcurl could not make a handle.
    MultiHandle MultiInit() const { return {m_multiInit(), m_multiCleanup}; }
    CURLMcode MultiAddHandle(CURLM* multi, CURL* curl) const
    {
        return m_multiAddHandle(multi, curl);
    }
    CURLMcode MultiRemoveHandle(CURLM* multi, CURL* curl) const
    {
        return m_multiRemoveHandle(multi, curl);
    }
    CURLMcode MultiPerform(CURLM* multi, int* running) const
    {
        return m_multiPerform(multi, running);
    }
    CURLMcode MultiPoll(CURLM* multi, int timeoutMs) const
    {
        return m_multiPoll(multi, nullptr, 0, timeoutMs, nullptr);
    }
    // Ends a MultiPoll early; callable from any thread.
    CURLMcode MultiWakeup(CURLM* multi) const { return m_multiWakeup(multi); }
    CURLMsg* MultiInfoRead(CURLM* multi, int* left) const { return m_multiInfoRead(multi, left); }

    template <typename Value>
    CURLMcode MultiSetopt(CURLM* multi, CURLMoption option, Value value) const
    {
        return m_multiSetopt(multi, option, value);
    }

    // libcurl's reading of addresses, as its transfers read them. Empty when libcurl could not
    // make a handle.
    UrlHandle UrlInit() const { return {m_url(), m_urlCleanup}; }
    CURLUcode UrlSet(CURLU* url, CURLUPart part, const char* content, unsigned int flags) const
    {
        return m_urlSet(url, part, content, flags);
    }
    // A part that was found is the caller's, to give back with Free().
    CURLUcode UrlGet(CURLU* url, CURLUPart part, char** content, unsigned int flags) const
    {
        return m_urlGet(url, part, content, flags);
    }
    void Free(void* text) const { m_free(text); }

private:
    bool Resolve(void* handle);
    bool ResolveMulti(void* handle);
    bool ResolveUrl(void* handle);

    decltype(&curl_global_init) m_globalInit = nullptr;
    decltype(&curl_easy_init) m_easyInit = nullptr;
    decltype(&curl_easy_cleanup) m_easyCleanup = nullptr;
    decltype(&curl_easy_setopt) m_easySetopt = nullptr;
    decltype(&curl_easy_getinfo) m_easyGetinfo = nullptr;
    decltype(&curl_easy_perform) m_easyPerform = nullptr;
    decltype(&curl_easy_send) m_easySend = nullptr;
    decltype(&curl_easy_recv) m_easyRecv = nullptr;
    decltype(&curl_multi_init) m_multiInit = nullptr;
    decltype(&curl_multi_cleanup) m_multiCleanup = nullptr;
    decltype(&curl_multi_add_handle) m_multiAddHandle = nullptr;
    decltype(&curl_multi_remove_handle) m_multiRemoveHandle = nullptr;
    decltype(&curl_multi_perform) m_multiPerform = nullptr;
    decltype(&curl_multi_poll) m_multiPoll = nullptr;
    decltype(&curl_multi_wakeup) m_multiWakeup = nullptr;
    decltype(&curl_multi_info_read) m_multiInfoRead = nullptr;
    decltype(&curl_multi_setopt) m_multiSetopt = nullptr;
    decltype(&curl_url) m_url = nullptr;
    decltype(&curl_url_cleanup) m_urlCleanup = nullptr;
    decltype(&curl_url_set) m_urlSet = nullptr;
    decltype(&curl_url_get) m_urlGet = nullptr;
    decltype(&curl_free) m_free = nullptr;
    bool m_available = false;
};
