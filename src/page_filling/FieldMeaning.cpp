#include "page_filling/FieldMeaning.h"

#include <array>

namespace {

struct MeaningInfo
{
    FieldMeaning meaning;
    const char* placeholder;
    const char* text;
};

constexpr std::array kMeanings{
    MeaningInfo{FieldMeaning::None, "", "(not filled)"},
    MeaningInfo{FieldMeaning::FeedAddress, "#url#", "Feed address"},
    MeaningInfo{FieldMeaning::SiteAddress, "", "Site address"},
    MeaningInfo{FieldMeaning::Title, "#title#", "Title"},
    MeaningInfo{FieldMeaning::Description, "#desc#", "Description"},
    MeaningInfo{FieldMeaning::Tags, "#keywords#", "Tags"},
    MeaningInfo{FieldMeaning::Email, "#email#", "E-mail"},
    MeaningInfo{FieldMeaning::FirstName, "#fname#", "First name"},
    MeaningInfo{FieldMeaning::LastName, "#lname#", "Last name"},
    MeaningInfo{FieldMeaning::FullName, "#fname# #lname#", "Full name"},
    MeaningInfo{FieldMeaning::Category, "#cat#", "Category"},
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
