#include "common/DurationText.h"

#include "common/TextCatalogue.h"

std::string DurationInWords(std::chrono::milliseconds duration)
{
    const auto count = duration.count();
    return count % 1000 == 0
               ? TranslatedText(KESTRINE_COUNT_TEXT("DurationText", "%n seconds"),
                                static_cast<int>(count / 1000))
               : FillIn(KESTRINE_TEXT("DurationText", "%1 ms"), {std::to_string(count)});
}
