#include "common/ExecutablePath.h"

#include <climits>
#include <unistd.h>

std::string ExecutableFilePath()
{
    std::string path(PATH_MAX, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0)
        return {};
    path.resize(static_cast<size_t>(length));
    return path;
}

std::string ExecutableDirectory()
{
    const std::string path = ExecutableFilePath();
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
