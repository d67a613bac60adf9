#pragma once

#include <string>

// Where an update comes from, as the request needs it.
struct UpdateUrl
{
    std::string scheme = "http"; // or "https"
    std::string host;            // may carry a port: "host:port"
    std::string path;            // starts with '/'
};

// Drops a leading "http://" or "https://" (exact case), which gives the scheme, and cuts the
// rest at its first '/'; without one the path is "/". Nothing else is parsed.
UpdateUrl SplitUpdateUrl(const std::string& url);
