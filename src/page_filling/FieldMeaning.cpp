#include "page_filling/FieldMeaning.h"

#include "common/TextCatalogue.h"

#include <array>

namespace {

struct MeaningInfo
{
    FieldMeaning meaning;
    const char* placeholder;
    const char* text;
};

constexpr std::array kMeanings{
    MeaningInfo{FieldMeaning::None, "", KESTRINE_TEXT_NOOP("FieldMeaning", "(not filled)")},
    MeaningInfo{FieldMeaning::FeedAddress, "#url#",
                KESTRINE_TEXT_NOOP("FieldMeaning", "Feed address")},
    MeaningInfo{FieldMeaning::SiteAddress, "", KESTRINE_TEXT_NOOP("FieldMeaning", "Site address")},
    MeaningInfo{FieldMeaning::Title, "#title#", KESTRINE_TEXT_NOOP("FieldMeaning", "Title")},
    MeaningInfo{FieldMeaning::Description, "#desc#",
                KESTRINE_TEXT_NOOP("FieldMeaning", "Description")},
    MeaningInfo{FieldMeaning::Tags, "#keywords#", KESTRINE_TEXT_NOOP("FieldMeaning", "Tags")},
    MeaningInfo{FieldMeaning::Email, "#email#", KESTRINE_TEXT_NOOP("FieldMeaning", "E-mail")},
    MeaningInfo{FieldMeaning::FirstName, "#fname#",
                KESTRINE_TEXT_NOOP("FieldMeaning", "First name")},
    MeaningInfo{FieldMeaning::LastName, "#lname#", KESTRINE_TEXT_NOOP("FieldMeaning", "Last name")},
    MeaningInfo{FieldMeaning::FullName, "#fname# #lname#",
                KESTRINE_TEXT_NOOP("FieldMeaning", "Full name")},
    MeaningInfo{FieldMeaning::Category, "#cat#", KESTRINE_TEXT_NOOP("FieldMeaning", "Category")},
};

constexpr std::array kOrder = [] {
    std::array<FieldMeaning, kMeanings.size()> order{};
    for (size_t i = 0; i < kMeanings.size(); ++i)
        order[i] = kMeanings[i].meaning;
    return order;
}();

const MeaningInfo& InfoOf(FieldMeaning meaning)
{
    return kMeanings[static_cast<size_t>(meaning)];
}

} // namespace

std::span<const FieldMeaning> AllFieldMeanings()
{
    return kOrder;
}

std::string PlaceholderFor(FieldMeaning meaning)
{
    return InfoOf(meaning).placeholder;
}

std::string MeaningText(FieldMeaning meaning)
{
    return InfoOf(meaning).text;
}
