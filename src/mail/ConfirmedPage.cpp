#include "mail/ConfirmedPage.h"

#include "mail/HtmlContent.h"
#include "mail/MailText.h"
#include "page_filling/SubmissionCheck.h"

#include <algorithm>
#include <array>

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

} // namespace

bool ShowsConfirmation(std::string_view pageHtml, const std::optional<std::string>& confirmation)
{
    if (confirmation && !confirmation->empty() && IsSubmissionConfirmed(pageHtml, confirmation))
        return true;
    const std::string words = LowerCaseUtf8(ReadHtml(pageHtml, 0).text);
    return std::any_of(kDoneWords.begin(), kDoneWords.end(), [&words](std::string_view done) {
        return words.find(done) != std::string::npos;
    });
}
