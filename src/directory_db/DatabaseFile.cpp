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
    // file that grows while it is read has no honest size). The bytes go straight into the
    // string, the claimed size and one byte more at first: a large file is copied once.
    constexpr size_t kLimit = kMaxUntrustedXmlBytes + 1;
    constexpr size_t kPiece = 64 * 1024;
    std::error_code error;
    const auto claimed = std::filesystem::file_size(path, error);
    size_t room = error ? kPiece : static_cast<size_t>(std::min<uintmax_t>(claimed + 1, kLimit));
    std::string bytes;
    size_t filled = 0;
    while (file && filled < kLimit) {
        bytes.resize(std::min(filled + room, kLimit));
        file.read(bytes.data() + filled, static_cast<std::streamsize>(bytes.size() - filled));
        filled += static_cast<size_t>(file.gcount());
        room = kPiece;
    }
    bytes.resize(filled);
    if (file.bad() || bytes.size() > kMaxUntrustedXmlBytes)
        return std::nullopt;
    return bytes;
}
