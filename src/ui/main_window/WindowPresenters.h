#pragma once

#include "ui/main_window/MessageBoxPresenter.h"

// Where the main window's messages go: boxes over the window, and the directory database's
// boxes, which have no owner so that the tabs' timer and the window's commands keep running under
// them. A test stands in for either.
class CWindowPresenters final
{
public:
    // Null stand-ins leave the real boxes.
    CWindowPresenters(QWidget* window, MessagePresenter* windowStandIn,
                      MessagePresenter* databaseStandIn);

    CWindowPresenters(const CWindowPresenters&) = delete;
    CWindowPresenters& operator=(const CWindowPresenters&) = delete;

    MessagePresenter& Window() { return m_window; }
    MessagePresenter& Database() { return m_database; }

private:
    CMessageBoxPresenter m_windowBoxes;
    CMessageBoxPresenter m_unownedBoxes;
    MessagePresenter& m_window;
    MessagePresenter& m_database;
};
