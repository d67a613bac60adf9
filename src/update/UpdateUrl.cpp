#include "update/UpdateUrl.h"

#include <string_view>

UpdateUrl SplitUpdateUrl(const std::string& url)
{
    constexpr std::string_view kScheme = "http://";
    std::string_view rest = url;
    if (rest.starts_with(kScheme))
        rest.remove_prefix(kScheme.size());
    const size_t slash = rest.find('/');
    if (slash == std::string_view::npos)
        return {std::string(rest), "/"};
    return {std::string(rest.substr(0, slash)), std::string(rest.substr(slash))};
}
