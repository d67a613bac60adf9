#pragma once

#include <string>

// The weight a message box shows with its icon.
enum class MessageIcon
{
    None,
    Exclamation,
    Error, // the stop sign
};

// Everything the program tells the user goes through this interface: the program shows a
// message box with a single OK button, tests record what would have been shown.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual void ShowMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;
};
