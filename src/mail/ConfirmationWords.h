#pragma once

#include "mail/ConfirmationWordTexts.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The words that ask a mail's reader to confirm, from the files of confirmation-words/ (whose
// README gives their format).
class CConfirmationWords final
{
public:
    explicit CConfirmationWords(std::span<const ConfirmationWordText> files);

    // The words of the files compiled into the program.
    static const CConfirmationWords& BuiltIn();

    // Whether `text` (UTF-8) holds one of the words, in any case, also inside a longer word.
    bool AsksToConfirm(std::string_view text) const;

    // The languages the files name, in file order.
    const std::vector<std::string>& Languages() const { return m_languages; }
    // The words, case folded.
    const std::vector<std::string>& Words() const { return m_words; }

private:
    void Read(std::string_view text);

    std::vector<std::string> m_languages;
    std::vector<std::string> m_words;
};
