#pragma once

#include "common/MessagePresenter.h"

#include <functional>
#include <string>
#include <vector>

// Stands in for message boxes: remembers every message instead of showing it.
class RecordingPresenter : public MessagePresenter
{
public:
    struct Message
    {
        std::string text;
        std::string caption;
        MessageIcon icon;

        bool operator==(const Message&) const = default;
    };

    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override
    {
        messages.push_back({text, caption, icon});
        if (onMessage)
            onMessage();
    }

    std::vector<Message> messages;
    // Runs while the "box" is open, as a real box's event loop would run other work.
    std::function<void()> onMessage;
};
