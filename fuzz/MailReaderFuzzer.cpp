// Reads arbitrary bytes as a mail and as the server's answers about mails: nothing may crash or
// run away, every text taken is valid UTF-8, and a link offered as a confirmation always leads
// to the directory's own site over http or https.
#include "mail/ConfirmationFinder.h"
#include "mail/ImapAnswer.h"
#include "mail/MailReader.h"
#include "mail/MailText.h"
#include "mail/SiteAddress.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void RequireUtf8(const std::string& text)
{
    if (ValidUtf8(text) != text)
        std::abort();
}

const std::vector<Submission>& Submissions()
{
    static const std::vector<Submission> submissions{
        {"Alpha", "Blog", "https://www.alpha.example/submit", 0, "kim@home.example"},
        {"Local", "Blog", "http://127.0.0.1:8431/add", 0, ""},
    };
    return submissions;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    MailLimits limits;
    limits.maxMessageBytes = 1024 * 1024;
    const MailMessage mail = ReadMail(bytes, limits);
    for (const std::string* text : {&mail.from, &mail.to, &mail.subject, &mail.text})
        RequireUtf8(*text);
    if (mail.links.size() > limits.maxLinks || (!mail.readable && !mail.links.empty()))
        std::abort();
    for (const std::string& link : mail.links)
        RequireUtf8(link);
    for (const ConfirmationMail& found :
         FindConfirmations(mail, 1, Submissions(), CConfirmationWords::BuiltIn())) {
        const std::optional<std::string> host = WebHostOf(found.link);
        if (!host || (*host != "127.0.0.1" && !host->ends_with("alpha.example")))
            std::abort();
    }
    // Each description and each number takes bytes of the answer.
    if (FetchedDescriptions(bytes).size() > size / 20 || SearchResult(bytes).size() > size / 2)
        std::abort();
    return 0;
}
