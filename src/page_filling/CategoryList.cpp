#include "page_filling/CategoryList.h"

#include "page_filling/CategoryVocabulary.h"

namespace {

// A list known only by its options needs this many of them, most naming a topic.
constexpr size_t kLeastOptions = 4;
constexpr double kTopicShare = 0.6;

bool ByItsOptions(const CCategoryVocabulary& vocabulary, std::span<const CategoryOption> options)
{
    size_t choices = 0;
    size_t topics = 0;
    for (const CategoryOption& option : options) {
        if (ChoosesNothing(option))
            continue;
        const CategoryMentions mentions = vocabulary.Read(option.text);
        ++choices;
        if (!mentions.topics.empty())
            ++topics;
    }
    return choices >= kLeastOptions &&
           static_cast<double>(topics) >= kTopicShare * static_cast<double>(choices);
}

} // namespace

bool IsCategoryList(const SelectTexts& select, std::span<const CategoryOption> options)
{
    const CCategoryVocabulary& vocabulary = CCategoryVocabulary::Known();
    bool named = false;
    std::vector<std::string> texts = select.captions;
    texts.push_back(select.name);
    texts.push_back(select.id);
    for (const std::string& text : texts) {
        const CategoryMentions mentions = vocabulary.Read(text);
        if (mentions.otherList)
            return false;
        named = named || mentions.listName;
    }
    return named || ByItsOptions(vocabulary, options);
}

bool ChoosesNothing(const CategoryOption& option)
{
    return option.value.empty() || CCategoryVocabulary::Known().Read(option.text).choosesNothing;
}

int FindChosenOption(std::span<const CategoryOption> options, const CategoryOption& chosen)
{
    int sameText = -1;
    int sameTexts = 0;
    for (size_t index = 0; index < options.size(); ++index) {
        const CategoryOption& option = options[index];
        if (option.text != chosen.text || option.group != chosen.group || ChoosesNothing(option))
            continue;
        if (option.value == chosen.value)
            return static_cast<int>(index);
        sameText = static_cast<int>(index);
        ++sameTexts;
    }
    return sameTexts == 1 ? sameText : -1;
}
