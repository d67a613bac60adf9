#pragma once

#include <QListWidgetItem>
#include <string>

// One entry of the Profile Manager's list: it shows a profile's name and keeps the name's own
// bytes, so that a name which is not valid UTF-8 still finds its profile. Entries sort without
// regard to case, as the main window's profile selector does.
class CProfileListEntry final : public QListWidgetItem
{
public:
    explicit CProfileListEntry(const std::string& name);

    std::string Name() const;
    void SetName(const std::string& name);

    bool operator<(const QListWidgetItem& other) const override;
};
