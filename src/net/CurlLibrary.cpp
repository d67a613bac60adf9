#include "net/CurlLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Function> bool ResolveSymbol(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

} // namespace

CCurlLibrary::CCurlLibrary(const char* fileName)
{
    // RTLD_LOCAL keeps libcurl's symbols, and those of the libraries it brings, out of the
    // program's namespace.
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return;
    if (!Resolve(handle) || !ResolveMulti(handle) || !ResolveUrl(handle)) {
        dlclose(handle);
        return;
    }
    // The handle is never closed: once initialised, libcurl and the TLS libraries under it
    // may have registered exit handlers that must still find their code when the process ends.
    m_available = m_globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

const CCurlLibrary& CCurlLibrary::Shared()
{
    // A function-local static is initialised exactly once even when threads race to it.
    static const CCurlLibrary library;
    return library;
}

bool CCurlLibrary::Resolve(void* handle)
{
    return ResolveSymbol(handle, "curl_global_init", m_globalInit) &&
           ResolveSymbol(handle, "curl_easy_init", m_easyInit) &&
           ResolveSymbol(handle, "curl_easy_cleanup", m_easyCleanup) &&
           ResolveSymbol(handle, "curl_easy_setopt", m_easySetopt) &&
           ResolveSymbol(handle, "curl_easy_getinfo", m_easyGetinfo) &&
           ResolveSymbol(handle, "curl_easy_perform", m_easyPerform) &&
           ResolveSymbol(handle, "curl_easy_send", m_easySend) &&
           ResolveSymbol(handle, "curl_easy_recv", m_easyRecv);
}

bool CCurlLibrary::ResolveMulti(void* handle)
{
    return ResolveSymbol(handle, "curl_multi_init", m_multiInit) &&
           ResolveSymbol(handle, "curl_multi_cleanup", m_multiCleanup) &&
           ResolveSymbol(handle, "curl_multi_add_handle", m_multiAddHandle) &&
           ResolveSymbol(handle, "curl_multi_remove_handle", m_multiRemoveHandle) &&
           ResolveSymbol(handle, "curl_multi_perform", m_multiPerform) &&
           ResolveSymbol(handle, "curl_multi_poll", m_multiPoll) &&
           ResolveSymbol(handle, "curl_multi_wakeup", m_multiWakeup) &&
           ResolveSymbol(handle, "curl_multi_info_read", m_multiInfoRead) &&
           ResolveSymbol(handle, "curl_multi_setopt", m_multiSetopt);
}

bool CCurlLibrary::ResolveUrl(void* handle)
{
    return ResolveSymbol(handle, "curl_url", m_url) &&
           ResolveSymbol(handle, "curl_url_cleanup", m_urlCleanup) &&
           ResolveSymbol(handle, "curl_url_set", m_urlSet) &&
           ResolveSymbol(handle, "curl_url_get", m_urlGet) &&
           ResolveSymbol(handle, "curl_free", m_free);
}
