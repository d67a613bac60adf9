#pragma once

#include <string>
#include <string_view>

// Which directories the list shows: those whose name holds the search text, without regard to
// case, and, when asked, only those not yet sent.
class CDirectoryFilter final
{
public:
    CDirectoryFilter() = default;
    CDirectoryFilter(std::string_view searchText, bool unsentOnly);

    // False when every directory is shown.
    bool IsActive() const { return m_unsentOnly || !m_needle.empty(); }
    bool Accepts(std::string_view name, bool sent) const;

private:
    std::u32string m_needle;
    bool m_unsentOnly = false;
};
