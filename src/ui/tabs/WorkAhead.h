#pragma once

#include "ui/settings/ProgramSettings.h"

#include <QObject>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CBrowserTabs;
class QWidget;

// Working ahead of the user: which directories the tabs keep loaded and filled, and how many,
// as Settings > Work Ahead… chose. A pick, a mark, a filter and a tab switch each change which
// directories come next, often several of them at once: the plan is made once the event loop
// comes round after them.
class CWorkAhead final : public QObject
{
    Q_OBJECT

public:
    // The directories Next unsent would go to one after another from `after`, at most `count`.
    using NextDirectories =
        std::function<std::vector<std::string>(const std::string& after, size_t count)>;

    // `canWorkAhead` tells whether there is a profile whose values to fill in and a list of
    // directories to take them from.
    CWorkAhead(CBrowserTabs& tabs, CProgramSettings settings, NextDirectories nextUnsent,
               std::function<bool()> canWorkAhead, QObject* parent);

    // Plans the tabs kept ready anew, once the event loop comes round.
    void Replan();
    // Settings > Work Ahead…
    void Configure(QWidget* dialogParent);

private:
    void ApplySettings();
    void KeepNextDirectoriesReady();

    CBrowserTabs& m_tabs;
    CProgramSettings m_settings;
    NextDirectories m_nextUnsent;
    std::function<bool()> m_canWorkAhead;
    bool m_replanDue = false;
};
