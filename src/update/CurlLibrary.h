#pragma once

#include <curl/curl.h>
#include <memory>

// libcurl, loaded when an update first needs it rather than by the dynamic loader at start-up:
// linking it would map its many TLS and protocol libraries before the window can appear, for a
// command that is rarely used. Only the types and constants of <curl/curl.h> are used at
// compile time; every call goes through the functions resolved here.
class CCurlLibrary final
{
public:
    static constexpr const char* kFileName = "libcurl.so.4";

    using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

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

private:
    bool Resolve(void* handle);

    decltype(&curl_global_init) m_globalInit = nullptr;
    decltype(&curl_easy_init) m_easyInit = nullptr;
    decltype(&curl_easy_cleanup) m_easyCleanup = nullptr;
    decltype(&curl_easy_setopt) m_easySetopt = nullptr;
    decltype(&curl_easy_getinfo) m_easyGetinfo = nullptr;
    decltype(&curl_easy_perform) m_easyPerform = nullptr;
    bool m_available = false;
};
