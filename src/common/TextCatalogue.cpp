#include "common/TextCatalogue.h"

#include "common/ReplaceAll.h"

#include <atomic>
#include <iterator>

namespace {

// Installed once at start, read by every thread that composes a message.
std::atomic<TextTranslator> g_translator{nullptr};

std::string WithCount(const char* text, int count)
{
    std::string result = text;
    ReplaceAll(result, "%n", std::to_string(count));
    return result;
}

} // namespace

void InstallTextTranslator(TextTranslator translator)
{
    g_translator.store(translator);
}

std::string TranslatedText(const char* context, const char* text)
{
    const TextTranslator translator = g_translator.load();
    return translator ? translator(context, text, -1) : std::string(text);
}

std::string TranslatedText(CountedText text, int count)
{
    const TextTranslator translator = g_translator.load();
    return translator ? translator(text.context, text.text, count) : WithCount(text.text, count);
}

std::string FillIn(const std::string& pattern, std::initializer_list<std::string> arguments)
{
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            result += *std::next(arguments.begin(), static_cast<std::ptrdiff_t>(index));
            ++at;
        } else {
            result += pattern[at];
        }
    }
    return result;
}
