#include "common/AtomicFileWriter.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view kTemporaryInfix = ".tmp-";

WriteOutcome Failure(int error)
{
    return {false, std::strerror(error)};
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// New files get the permissions an ordinary save would give them; a replaced file keeps its own.
mode_t ModeFor(const std::string& path)
{
    struct stat existing
    {
    };
    if (stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int result = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return result;
}

} // namespace

ssize_t CAtomicFileWriter::WriteSome(int fd, const char* data, size_t size)
{
    return ::write(fd, data, size);
}

WriteOutcome CAtomicFileWriter::WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = WriteSome(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Failure(errno);
        }
        if (written == 0)
            return Failure(ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

WriteOutcome CAtomicFileWriter::Write(const std::string& path, std::string_view bytes)
{
    std::string temporary = path + std::string(kTemporaryInfix) + "XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);

    WriteOutcome outcome = WriteAll(fd, bytes);
    if (outcome.ok && fchmod(fd, ModeFor(path)) != 0)
        outcome = Failure(errno);
    if (outcome.ok && fsync(fd) != 0)
        outcome = Failure(errno);
    if (close(fd) != 0 && outcome.ok)
        outcome = Failure(errno);
    if (outcome.ok && rename(temporary.c_str(), path.c_str()) != 0)
        outcome = Failure(errno);
    if (!outcome.ok) {
        unlink(temporary.c_str());
        return outcome;
    }
    // The rename is only durable once the folder's entry is on disk; the new content is in
    // place either way, so a failure here is not worth alarming the user about.
    SyncFolder(FolderOf(path));
    return outcome;
}

void CAtomicFileWriter::RemoveLeftovers(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string prefix = FileNameOf(path) + std::string(kTemporaryInfix);
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        // mkostemp appends exactly six characters to the prefix.
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            leftovers.push_back(folder + "/" + name);
    }
    closedir(dir);
    for (const std::string& leftover : leftovers)
        unlink(leftover.c_str());
}
