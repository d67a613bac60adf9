#include "directory_db/DirectoryName.h"

#include "common/TextCatalogue.h"

#include <algorithm>
#include <cstdio>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace {

// The braille pattern without dots: a symbol to Unicode, a blank to the eye.
constexpr UChar32 kBrailleBlank = 0x2800;

// A character that takes no room on the screen: controls, format characters (zero-width
// space and joiners, the byte order mark, direction marks), line and paragraph separators,
// whatever Unicode tells renderers to leave out (variation selectors, fillers), and the blank
// braille pattern.
bool IsInvisible(UChar32 c)
{
    if (c == kBrailleBlank)
        return true;
    switch (u_charType(c)) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
        return true;
    default:
        return u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT) != 0;
    }
}

// The first invisible character of `name`; U_SENTINEL when there is none.
UChar32 FirstInvisible(std::string_view name)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(name.data());
    const auto length = static_cast<int32_t>(name.size());
    for (int32_t at = 0; at < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, at, length, c);
        if (c >= 0 && IsInvisible(c))
            return c;
    }
    return U_SENTINEL;
}

icu::UnicodeString Normalized(const icu::Normalizer2* (*instance)(UErrorCode&),
                              const icu::UnicodeString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = instance(status);
    icu::UnicodeString normalized = U_SUCCESS(status) ? normalizer->normalize(text, status) : text;
    return U_SUCCESS(status) ? normalized : text;
}

} // namespace

std::optional<std::string> DirectoryNameProblem(std::string_view name)
{
    // A name of no-break spaces is as blank as one of spaces.
    if (DirectoryNameKey(name).empty())
        return KESTRINE_TEXT("DirectoryName", "Please enter a name for the directory.");
    if (name.size() > kMaxDirectoryNameBytes)
        return KESTRINE_TEXT(
            "DirectoryName",
            "The name is too long: a directory name can have at most 223 characters.");
    if (name.find(" [") != std::string_view::npos)
        return KESTRINE_TEXT("DirectoryName", "A directory name cannot contain \" [\".");
    const bool hasControl = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    });
    if (hasControl)
        return KESTRINE_TEXT("DirectoryName",
                             "A directory name cannot contain line breaks or tabs.");
    if (const UChar32 invisible = FirstInvisible(name); invisible != U_SENTINEL) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(invisible));
        return FillIn(KESTRINE_TEXT("DirectoryName",
                                    "A directory name cannot contain invisible characters, such "
                                    "as a zero-width space; this one holds %1."),
                      {code});
    }
    return std::nullopt;
}

std::string DirectoryNameKey(std::string_view name)
{
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(name.data(), static_cast<int32_t>(name.size())));
    // Every kind of space (no-break, thin, ideographic) looks like a space.
    for (int32_t i = 0; i < text.length(); ++i) {
        if (u_charType(text.charAt(i)) == U_SPACE_SEPARATOR)
            text.setCharAt(i, u' ');
    }
    text.trim();
    // Folding is defined on the decomposed form and may take a character apart.
    text = Normalized(&icu::Normalizer2::getNFDInstance, text);
    // Turkish and Azeri write the capital of i as İ and the small letter of I as ı; the default
    // folding would keep "İZMİR" (i and a combining dot) and "ızmır" apart from "izmir".
    text.findAndReplace(icu::UnicodeString(u"I\u0307"), icu::UnicodeString(u"i"));
    text.findAndReplace(icu::UnicodeString(u"\u0131"), icu::UnicodeString(u"i"));
    text.foldCase(U_FOLD_CASE_DEFAULT);
    text = Normalized(&icu::Normalizer2::getNFCInstance, text);
    std::string key;
    return text.toUTF8String(key);
}

std::optional<std::string> FindLookAlike(const std::vector<std::string>& names,
                                         std::string_view name)
{
    if (std::find(names.begin(), names.end(), name) != names.end())
        return std::string(name);
    const std::string key = DirectoryNameKey(name);
    const auto alike = std::find_if(names.begin(), names.end(), [&key](const std::string& other) {
        return DirectoryNameKey(other) == key;
    });
    return alike == names.end() ? std::nullopt : std::optional<std::string>(*alike);
}
