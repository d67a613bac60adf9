#pragma once

#include <string>

class QWidget;

// Asks the user a question over `parent`, Yes being the default; true for Yes. The text is
// shown as it is, never as markup: it quotes directory and profile names.
bool AskYesNo(QWidget* parent, const std::string& text, const std::string& caption);
