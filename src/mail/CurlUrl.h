#pragma once

#include "net/CurlLibrary.h"

#include <string>

// One part of an address libcurl has read (CURLUPART_HOST, CURLUPART_SCHEME…); empty when it
// has none.
std::string UrlPart(const CCurlLibrary& library, CURLU* url, CURLUPart which);
