#pragma once

#include <QListWidgetItem>
#include <cstddef>
#include <string>

// One entry of the Profile Manager's list: it shows a profile's name and keeps the profile's
// place in the store, which tells apart profiles of the same name (an old sv.dat can hold them)
// and finds a name that is not valid UTF-8 exactly. Entries sort without regard to case, as the
// main window's profile selector does.
class CProfileListEntry final : public QListWidgetItem
{
public:
    CProfileListEntry(const std::string& name, size_t index);

    size_t Index() const { return m_index; }
    void SetName(const std::string& name);

    bool operator<(const QListWidgetItem& other) const override;

private:
    size_t m_index;
};
