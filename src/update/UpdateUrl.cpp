#include "update/UpdateUrl.h"

#include <string_view>

UpdateUrl SplitUpdateUrl(const std::string& url)
{
    std::string_view rest = url;
    std::string scheme = "http";
    for (const std::string_view known : {"http", "https"}) {
        if (rest.starts_with(known) && rest.substr(known.size()).starts_with("://")) {
            scheme = known;
            rest.remove_prefix(known.size() + 3);
            break;
        }
    }
    const size_t slash = rest.find('/');
    if (slash == std::string_view::npos)
        return {scheme, std::string(rest), "/"};
    return {scheme, std::string(rest.substr(0, slash)), std::string(rest.substr(slash))};
}
