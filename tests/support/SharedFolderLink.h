#pragma once

#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <functional>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The setting of a planted link: an ordinary user's notes, and a folder holding a symbolic link
// to them under the name the user is about to save to, and one to the folder of the notes, both
// made by `linkOwner`. Making files of
// other users needs root; root itself ignores the kernel's protection of such links, so the
// save runs in a child that has become the user (RunAsUser).
class SharedFolderLink
{
public:
    static constexpr uid_t kUser = 65534;     // nobody: the one who saves
    static constexpr uid_t kStranger = 65533; // another ordinary user
    static constexpr uid_t kRoot = 0;         // owns the shared folder

    static bool CanBeMade() { return geteuid() == 0; }

    // The folder holding the link gets `folderMode`; 01777 is a shared folder such as /tmp.
    SharedFolderLink(mode_t folderMode, uid_t linkOwner)
    {
        m_made = m_folder.IsValid() && chmod(m_folder.Path().c_str(), 0755) == 0 &&
                 mkdir(Home().c_str(), 0755) == 0 && chown(Home().c_str(), kUser, kUser) == 0;
        if (m_made) {
            WriteWholeFile(Notes(), "notes");
            m_made = chown(Notes().c_str(), kUser, kUser) == 0 &&
                     mkdir(Shared().c_str(), 0755) == 0 &&
                     chmod(Shared().c_str(), folderMode) == 0 &&
                     symlink(Notes().c_str(), Link().c_str()) == 0 &&
                     lchown(Link().c_str(), linkOwner, linkOwner) == 0 &&
                     symlink(Home().c_str(), FolderLink().c_str()) == 0 &&
                     lchown(FolderLink().c_str(), linkOwner, linkOwner) == 0;
        }
    }

    bool IsMade() const { return m_made; }
    std::string Home() const { return m_folder.File("home"); }
    std::string Notes() const { return m_folder.File("home/notes.txt"); }
    std::string Shared() const { return m_folder.File("shared"); }
    std::string Link() const { return m_folder.File("shared/export.xml"); }
    // The link to the folder of the notes, and the notes' name through it.
    std::string FolderLink() const { return m_folder.File("shared/documents"); }
    std::string ThroughFolderLink() const { return FolderLink() + "/notes.txt"; }
    // A folder of the test's own that the user may read, for other files a save needs.
    std::string Readable(const std::string& name) const { return m_folder.File(name); }

    // Runs `work` as the user in a child process and returns what it returned; a text
    // beginning "child:" when the child could not become the user or did not finish.
    static std::string RunAsUser(const std::function<std::string()>& work)
    {
        int ends[2];
        if (pipe(ends) != 0)
            return "child: no pipe";
        const pid_t child = fork();
        if (child == 0) {
            close(ends[0]);
            const bool user =
                setgroups(0, nullptr) == 0 && setgid(kUser) == 0 && setuid(kUser) == 0;
            const std::string result = user ? work() : "child: cannot become the user";
            const ssize_t written = write(ends[1], result.data(), result.size());
            _exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
        }
        close(ends[1]);
        std::string result;
        char buffer[512];
        for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;)
            result.append(buffer, static_cast<size_t>(got));
        close(ends[0]);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : "child: did not finish";
    }

private:
    TemporaryFolder m_folder;
    bool m_made = false;
};
