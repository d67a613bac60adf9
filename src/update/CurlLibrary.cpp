#include "update/CurlLibrary.h"

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
    if (!Resolve(handle)) {
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
           ResolveSymbol(handle, "curl_easy_perform", m_easyPerform);
}
