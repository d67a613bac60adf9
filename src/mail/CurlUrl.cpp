#include "mail/CurlUrl.h"

#include <algorithm>
#include <cctype>

std::string UrlPart(const CCurlLibrary& library, CURLU* url, CURLUPart which)
{
    char* text = nullptr;
    if (library.UrlGet(url, which, &text, 0) != CURLUE_OK || !text)
        return {};
    std::string copy(text);
    library.Free(text);
    return copy;
}

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
