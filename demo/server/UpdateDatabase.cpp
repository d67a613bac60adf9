#include "UpdateDatabase.h"

#include "common/ReplaceAll.h"

std::string MakeUpdateDatabase(std::string_view database, std::string_view addition,
                               std::string_view hostAndPort)
{
    const size_t closingTag = database.rfind("</r>");
    const size_t directory = addition.find("<directory");
    if (closingTag == std::string_view::npos || directory == std::string_view::npos)
        return {};
    std::string update(database.substr(0, closingTag));
    update += "  ";
    update += addition.substr(directory);
    update += database.substr(closingTag);
    ReplaceAll(update, kShippedDemoHost, hostAndPort);
    return update;
}
