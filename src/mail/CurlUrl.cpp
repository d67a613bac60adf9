#include "mail/CurlUrl.h"

std::string UrlPart(const CCurlLibrary& library, CURLU* url, CURLUPart which)
{
    char* text = nullptr;
    if (library.UrlGet(url, which, &text, 0) != CURLUE_OK || !text)
        return {};
    std::string copy(text);
    library.Free(text);
    return copy;
}
