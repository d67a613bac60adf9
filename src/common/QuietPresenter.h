#pragma once

#include "common/MessagePresenter.h"

// Shows nothing: for work without a window, where the caller reports the outcome itself.
class QuietPresenter final : public MessagePresenter
{
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};
