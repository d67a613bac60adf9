#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

// The directories a profile was sent to: each name once, in ascending order of std::string's <
// (unsigned bytes, a proper prefix first), which is the order sv.dat lists them in. Names are
// held and compared as sv.dat stores them (see StoredLineValue), so a directory whose name holds
// a line feed is the same mark to every caller, before the file is written and after. A sorted
// vector rather than a tree, so loading and saving hundreds of names per profile allocates and
// walks contiguous memory instead of one node per name.
class CSentSet
{
public:
    using const_iterator = std::vector<std::string>::const_iterator;

    CSentSet() = default;
    CSentSet(std::initializer_list<std::string> names);
    // Takes names in any order, duplicates included. sv.dat lists them sorted, which costs one
    // pass to confirm; any other order is sorted once instead of inserted name by name, so even a
    // file edited by hand loads in O(n log n).
    explicit CSentSet(std::vector<std::string> names);

    // False when the name is already held.
    bool insert(std::string name);
    // False when the name was not held.
    bool erase(const std::string& name);
    bool contains(const std::string& name) const;

    size_t size() const { return m_names.size(); }
    bool empty() const { return m_names.empty(); }
    void clear() { m_names.clear(); }
    const_iterator begin() const { return m_names.begin(); }
    const_iterator end() const { return m_names.end(); }

    bool operator==(const CSentSet&) const = default;

private:
    std::vector<std::string> m_names;
};
