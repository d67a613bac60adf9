#pragma once

#include "common/MessagePresenter.h"

class QWidget;

// Shows each message as a modal box with a single OK button. A box with an owner sits over
// that window; one without an owner (the directory database's) is a window of its own.
class CMessageBoxPresenter final : public MessagePresenter
{
public:
    explicit CMessageBoxPresenter(QWidget* owner);

    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;

private:
    QWidget* m_owner;
};
