#include "directory_db/DatabaseFile.h"

#include "directory_db/UntrustedXml.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

std::optional<std::string> ReadDatabaseFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    // Read at most one byte past the cap, whatever the file claims its size to be (a pipe or a
    // file that grows while it is read has no honest size).
    std::string bytes;
    std::error_code error;
    const auto claimed = std::filesystem::file_size(path, error);
    if (!error)
        bytes.reserve(std::min<uintmax_t>(claimed, kMaxUntrustedXmlBytes + 1));
    char chunk[64 * 1024];
    while (bytes.size() <= kMaxUntrustedXmlBytes) {
        file.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<size_t>(file.gcount()));
        if (!file)
            break;
    }
    if (file.bad() || bytes.size() > kMaxUntrustedXmlBytes)
        return std::nullopt;
    return bytes;
}
