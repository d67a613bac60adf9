#pragma once

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

// A fresh folder for one test, removed with everything in it afterwards, even when a test took
// away its write permission.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kestrine-test-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }

    ~TemporaryFolder()
    {
        if (m_path.empty())
            return;
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }

    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool IsValid() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

    size_t EntryCount() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_path),
                                                 std::filesystem::directory_iterator()));
    }

private:
    std::string m_path;
};
