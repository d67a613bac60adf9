#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// What became of a save: on failure, `error` says why in words the user can act on
// ("No space left on device").
struct WriteOutcome
{
    bool ok = true;
    std::string error;
};

// Whose symbolic links a save follows at the name it is given.
enum class LinkTrust
{
    // The program's own files, in the data folder: a link the user made there is written
    // through, wherever it leads.
    Any,
    // A name the user chose, perhaps in a folder others share such as /tmp: a link there is
    // followed only as the kernel would follow it for this user (fs.protected_symlinks). In a
    // sticky folder everyone may write to, that is a link of the user's own or of the folder's
    // owner; another user's link is refused, and nothing is written.
    AsTheKernel,
};

// Replaces a file so that a crash, a kill or a full disk leaves either the old content or the
// new one, never a mix: the bytes go to a temporary file in the same folder, which is flushed
// to disk and then renamed over the target. A target that is a symbolic link is written
// through, as far as `LinkTrust` allows: the file it leads to is replaced and the link stays.
class CAtomicFileWriter
{
public:
    explicit CAtomicFileWriter(LinkTrust trust = LinkTrust::Any) : m_trust(trust) {}
    virtual ~CAtomicFileWriter() = default;

    WriteOutcome Write(const std::string& path, std::string_view bytes);

    // Removes the temporary files that an interrupted Write left beside `path`. A temporary
    // whose writer is still at work is locked by it and stays.
    static void RemoveLeftovers(const std::string& path);

protected:
    // One write(2); tests override it to fail part-way through.
    virtual ssize_t WriteSome(int fd, const char* data, size_t size);
    // fsync(2) of the temporary file or of its folder; tests override it to fail.
    virtual int Sync(int fd);

private:
    WriteOutcome WriteAll(int fd, std::string_view bytes);
    WriteOutcome SyncFolder(const std::string& folder);

    LinkTrust m_trust;
};
