#include "mail/MailText.h"

#include <glib.h>
#include <gmime/gmime.h>
#include <memory>

namespace {

struct GFreeDeleter
{
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

bool IsUtf8Compatible(const std::string& charset)
{
    return charset.empty() || g_ascii_strcasecmp(charset.c_str(), "utf-8") == 0 ||
           g_ascii_strcasecmp(charset.c_str(), "utf8") == 0 ||
           g_ascii_strcasecmp(charset.c_str(), "us-ascii") == 0;
}

} // namespace

std::string ValidUtf8(std::string_view text)
{
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr))
        return std::string(text);
    const GText valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
    return valid ? std::string(valid.get()) : std::string();
}

std::string TextToUtf8(std::string_view bytes, const std::string& charset, bool& unknownCharset)
{
    if (IsUtf8Compatible(charset))
        return ValidUtf8(bytes);
    // GMime knows the names mail programs write ("latin1", "x-sjis") besides iconv's own.
    const char* name = g_mime_charset_iconv_name(charset.c_str());
    gsize written = 0;
    const GText converted(g_convert(bytes.data(), static_cast<gssize>(bytes.size()), "UTF-8",
                                    name ? name : charset.c_str(), nullptr, &written, nullptr));
    if (converted)
        return ValidUtf8(std::string_view(converted.get(), written));
    unknownCharset = true;
    return ValidUtf8(bytes);
}

std::string LowerCaseUtf8(std::string_view text)
{
    const std::string valid = ValidUtf8(text);
    const GText folded(g_utf8_casefold(valid.data(), static_cast<gssize>(valid.size())));
    if (!folded)
        return valid;
    const GText composed(g_utf8_normalize(folded.get(), -1, G_NORMALIZE_NFC));
    return composed ? std::string(composed.get()) : std::string(folded.get());
}

std::string_view TrimmedSpaces(std::string_view text)
{
    constexpr std::string_view kSpaces = " \t\r\n";
    const size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}
