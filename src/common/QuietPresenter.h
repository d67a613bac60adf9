#pragma once

#include "common/MessagePresenter.h"

// For work that nobody watches, such as a worker thread's own reading of the database: the
// caller reports what matters in its own way.
class QuietPresenter final : public MessagePresenter
{
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};
