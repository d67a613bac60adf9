#include "ui/main_window/WindowPresenters.h"

CWindowPresenters::CWindowPresenters(QWidget* window, MessagePresenter* windowStandIn,
                                     MessagePresenter* databaseStandIn)
    : m_windowBoxes(window), m_unownedBoxes(nullptr),
      m_window(windowStandIn ? *windowStandIn : m_windowBoxes),
      m_database(databaseStandIn ? *databaseStandIn : m_unownedBoxes)
{}
