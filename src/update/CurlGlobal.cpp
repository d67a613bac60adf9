#include "update/CurlGlobal.h"

#include <curl/curl.h>

bool EnsureCurlGlobalInit()
{
    // A function-local static is initialised exactly once even when threads race to it.
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return initialised;
}
