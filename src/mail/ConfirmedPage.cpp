#include "mail/ConfirmedPage.h"

#include "common/AsciiCase.h"
#include "mail/HtmlContent.h"
#include "mail/MailText.h"
#include "page_filling/SubmissionCheck.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// What a page says once a confirmation went through, in the languages of the confirmation
// words, lower case. Past forms only: the asking forms ("please confirm") are what the mail
// itself said.
constexpr std::array<std::string_view, 27> kDoneWords{
    "confirmed",      "verified",   "activated", "bestätigt",    "verifiziert", "aktiviert",
    "freigeschaltet", "confirmé",   "vérifié",   "activé",       "confirmado",  "confirmada",
    "verificado",     "verificada", "activado",  "ativado",      "confermato",  "confermata",
    "verificato",     "attivato",   "bevestigd", "geverifieerd", "geactiveerd", "potwierdzon",
    "zweryfikowan",   "aktywowan",  "подтвержд",
};

// Words that turn a done word into its opposite when they stand shortly before it ("not
// confirmed", "nicht bestätigt", "n'est pas confirmé", "nie został potwierdzony"); "n't" is
// read as the word "t".
constexpr std::array<std::string_view, 14> kNegations{
    "not", "t",  "never", "nicht", "kein", "keine", "pas",
    "non", "no", "não",   "niet",  "geen", "nie",   "не",
};
// How many words before a done word a negation still reaches.
constexpr size_t kNegationReach = 3;

// The page's words, lower case: runs of letters, any byte beyond ASCII counting as one.
std::vector<std::string_view> WordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t start = std::string_view::npos;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool letter = i < text.size() && (IsAsciiLetter(text[i]) || (text[i] & 0x80) != 0);
        if (letter && start == std::string_view::npos)
            start = i;
        else if (!letter && start != std::string_view::npos) {
            words.push_back(text.substr(start, i - start));
            start = std::string_view::npos;
        }
    }
    return words;
}

bool IsDoneWord(std::string_view word)
{
    return std::any_of(kDoneWords.begin(), kDoneWords.end(), [word](std::string_view done) {
        return word.substr(0, done.size()) == done;
    });
}

bool IsNegation(std::string_view word)
{
    return std::find(kNegations.begin(), kNegations.end(), word) != kNegations.end();
}

// A done word that no negation shortly before it undoes; "unconfirmed" is not "confirmed".
bool SaysDone(const std::string& lowerText)
{
    const std::vector<std::string_view> words = WordsOf(lowerText);
    for (size_t i = 0; i < words.size(); ++i) {
        if (!IsDoneWord(words[i]))
            continue;
        const size_t from = i > kNegationReach ? i - kNegationReach : 0;
        if (std::none_of(words.begin() + static_cast<std::ptrdiff_t>(from),
                         words.begin() + static_cast<std::ptrdiff_t>(i), IsNegation))
            return true;
    }
    return false;
}

} // namespace

bool ShowsConfirmation(std::string_view pageHtml, const std::optional<std::string>& confirmation)
{
    if (confirmation && !confirmation->empty() && IsSubmissionConfirmed(pageHtml, confirmation))
        return true;
    return SaysDone(LowerCaseUtf8(ReadHtml(pageHtml, 0).text));
}
