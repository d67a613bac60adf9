#pragma once

#include <QComboBox>
#include <string>

class CProfileStore;

// The Profile: selector. Each entry shows a profile's name and carries the name's bytes, so a
// name that is not UTF-8 (an old Latin-1 sv.dat) is still the name it shows.
class CProfileSelector final : public QComboBox
{
    Q_OBJECT

public:
    explicit CProfileSelector(QWidget* parent = nullptr);

    // The store's names, sorted as the user expects to find a name; nothing selected. Quietly:
    // neither this nor SelectByName counts as the user's choice.
    void FillFrom(const CProfileStore& store);
    // Selects the entry with exactly this name, or none when no entry has it.
    void SelectByName(const std::string& name);
    // The chosen entry's name, as stored; empty when none is chosen.
    std::string ChosenName() const;
};
