#include "common/AtomicFileWriter.h"

#include "common/TextCatalogue.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view kTemporaryInfix = ".tmp-";

// As many links as the kernel itself follows before it gives up with ELOOP.
constexpr int kMaximumLinks = 40;

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

// The parts of a path between its slashes, in order; "." and empty ones left out.
std::deque<std::string> PartsOf(std::string_view path)
{
    std::deque<std::string> parts;
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    }
    return parts;
}

// `folder` holds no symbolic link, so its parent is what its text says; "" is the current
// folder.
std::string ParentOf(const std::string& folder)
{
    if (folder.empty() || folder == ".." || folder.ends_with("/.."))
        return folder.empty() ? ".." : folder + "/..";
    const size_t slash = folder.rfind('/');
    if (slash == std::string::npos)
        return "";
    return slash == 0 ? "/" : folder.substr(0, slash);
}

std::string Join(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

// Whether the kernel would follow the link `link` (whose lstat is `status`) in `folder` for
// this process: only a link of its own or of the folder's owner in a sticky folder everyone may
// write to, where anybody can plant one. `lastName` tells whether the link is the name the save
// goes to or one of the folders on the way there.
bool KernelWouldFollow(const std::string& folder, const std::string& link,
                       const struct stat& status, bool lastName, WriteOutcome& refusal)
{
    struct stat parent
    {
    };
    if (stat(folder.c_str(), &parent) != 0) {
        refusal = Failure(errno);
        return false;
    }
    const bool shared = (parent.st_mode & S_ISVTX) != 0 && (parent.st_mode & S_IWOTH) != 0;
    if (!shared || status.st_uid == geteuid() || status.st_uid == parent.st_uid)
        return true;
    if (lastName) {
        refusal = {false, FillIn(KESTRINE_TEXT("AtomicFileWriter",
                                               "it is a symbolic link that another user made in "
                                               "%1, a folder everyone may write to, so Kestrine "
                                               "does not follow it"),
                                 {folder})};
    } else {
        refusal = {false, FillIn(KESTRINE_TEXT("AtomicFileWriter",
                                               "its folder %1 is a symbolic link that another "
                                               "user made in %2, a folder everyone may write to, "
                                               "so Kestrine does not follow it"),
                                 {link, folder})};
    }
    return false;
}

// The file a path leads to once no part of it is a symbolic link, whether the link stands for
// a folder on the way or for the file itself; it need not exist yet (a link to a file not made
// so far). Renaming over a link would replace the link itself with a plain file and leave the
// user's real file behind, stale. A link another user planted in /tmp is as dangerous as a
// folder of the path as it is as its last name, so `trust` judges each one.
WriteOutcome FollowLinks(std::string& path, LinkTrust trust)
{
    std::deque<std::string> rest = PartsOf(path);
    std::string resolved = path.starts_with('/') ? "/" : "";
    for (int links = 0; !rest.empty();) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        if (part == "..") {
            resolved = ParentOf(resolved);
            continue;
        }
        const std::string next = Join(resolved, part);
        struct stat status
        {
        };
        if (lstat(next.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            resolved = next;
            continue;
        }
        if (++links > kMaximumLinks)
            return Failure(ELOOP);
        WriteOutcome refusal;
        if (trust == LinkTrust::AsTheKernel &&
            !KernelWouldFollow(resolved.empty() ? "." : resolved, next, status, rest.empty(),
                               refusal))
            return refusal;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(next.c_str(), target.data(), target.size());
        if (length < 0)
            return Failure(errno);
        target.resize(static_cast<size_t>(length));
        if (target.starts_with('/'))
            resolved = "/";
        std::deque<std::string> targetParts = PartsOf(target);
        rest.insert(rest.begin(), targetParts.begin(), targetParts.end());
    }
    path = resolved.empty() ? "." : resolved;
    return {};
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

// A new temporary file beside `path`, open and locked for the whole save, so that a clean-up
// of leftovers (another copy of the program starting) passes it by. The clean-up may have
// taken the file between its creation and the lock; then it is gone and another is made.
// A file system without locks still gets its save, only without that protection.
int CreateLockedTemporary(const std::string& path, std::string& temporary)
{
    for (;;) {
        temporary = path + std::string(kTemporaryInfix) + "XXXXXX";
        const int fd = mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        flock(fd, LOCK_EX);
        struct stat status
        {
        };
        if (fstat(fd, &status) != 0) {
            const int error = errno;
            close(fd);
            unlink(temporary.c_str());
            errno = error;
            return -1;
        }
        if (status.st_nlink > 0)
            return fd;
        close(fd);
    }
}

} // namespace

ssize_t CAtomicFileWriter::WriteSome(int fd, const char* data, size_t size)
{
    return ::write(fd, data, size);
}

int CAtomicFileWriter::Sync(int fd)
{
    return ::fsync(fd);
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

// The rename is durable only once the folder's entry is on disk; until then a power cut can
// bring the old file back, so a folder that cannot be flushed fails the save.
WriteOutcome CAtomicFileWriter::SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);
    const WriteOutcome outcome = Sync(fd) == 0 ? WriteOutcome{} : Failure(errno);
    close(fd);
    return outcome;
}

WriteOutcome CAtomicFileWriter::Write(const std::string& path, std::string_view bytes)
{
    std::string target = path;
    if (WriteOutcome followed = FollowLinks(target, m_trust); !followed.ok)
        return followed;

    std::string temporary;
    const int fd = CreateLockedTemporary(target, temporary);
    if (fd < 0)
        return Failure(errno);

    // The file stays open, and so locked, until it has its final name.
    WriteOutcome outcome = WriteAll(fd, bytes);
    if (outcome.ok && fchmod(fd, ModeFor(target)) != 0)
        outcome = Failure(errno);
    if (outcome.ok && Sync(fd) != 0)
        outcome = Failure(errno);
    if (outcome.ok && rename(temporary.c_str(), target.c_str()) != 0)
        outcome = Failure(errno);
    if (!outcome.ok)
        unlink(temporary.c_str());
    if (close(fd) != 0 && outcome.ok)
        outcome = Failure(errno);
    if (!outcome.ok)
        return outcome;
    return SyncFolder(FolderOf(target));
}

void CAtomicFileWriter::RemoveLeftovers(const std::string& path)
{
    std::string target = path;
    if (!FollowLinks(target, LinkTrust::Any).ok)
        return;
    const std::string folder = FolderOf(target);
    const std::string prefix = FileNameOf(target) + std::string(kTemporaryInfix);
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
    for (const std::string& leftover : leftovers) {
        const int fd = open(leftover.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // Unlinked while locked, so its writer, waiting for the lock, finds it gone.
        if (flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(leftover.c_str());
        close(fd);
    }
}
