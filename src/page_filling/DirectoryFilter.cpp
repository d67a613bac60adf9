#include "page_filling/DirectoryFilter.h"

#include "page_filling/CaseFolding.h"

CDirectoryFilter::CDirectoryFilter(std::string_view searchText, bool unsentOnly)
    : m_needle(FoldCase(searchText)), m_unsentOnly(unsentOnly)
{}

bool CDirectoryFilter::Accepts(std::string_view name, bool sent) const
{
    if (m_unsentOnly && sent)
        return false;
    return m_needle.empty() || FoldCase(name).find(m_needle) != std::u32string::npos;
}
