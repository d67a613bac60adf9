#include "page_filling/CategoryChooser.h"

#include "page_filling/CategoryVocabulary.h"
#include "page_filling/TextWords.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

// How much a topic counts that the profile names in its subcategory, its category, and (when
// these name none) its tags, title and description.
constexpr double kSubcategoryWeight = 1.0;
constexpr double kCategoryWeight = 0.8;
constexpr double kTagsWeight = 0.7;
constexpr double kTitleWeight = 0.65;
constexpr double kDescriptionWeight = 0.6;
// Each step to a broader topic keeps this share.
constexpr double kBroaderShare = 0.75;
// What an option's group adds when it names one of the profile's topics too.
constexpr double kGroupShare = 0.2;
// The lead an option needs over every other one to be chosen.
constexpr double kLeastLead = 0.1;
// What sums of the weights may be off by, so that a lead of exactly kLeastLead counts.
constexpr double kRounding = 1e-9;
// An option whose text is the profile's own subcategory or category: by a lead above every
// topic of the same field, and the category's own text still a lead below the subcategory's
// topic.
constexpr double kSameAsSubcategory = kSubcategoryWeight + 0.3;
constexpr double kSameAsCategory = (kCategoryWeight + kSubcategoryWeight) / 2;
// The least score chosen: a topic one step above the profile's category is, one two steps
// above its subcategory ("business" for "stocks") is too broad.
constexpr double kLeastScore = 0.58;

// "Computers > Software", "Computers / Software", "Computers » Software", "Computers: Software":
// the last part is the option's own, the others its parents.
struct OptionParts
{
    std::string own;
    std::string parents;
};

OptionParts SplitParents(const std::string& text)
{
    constexpr std::string_view kSeparators[] = {
        ">", "\xC2\xBB" /* » */, " / ", "::", " - ", "\xE2\x80\xBA" /* › */, ": "};
    size_t cut = std::string::npos;
    size_t length = 0;
    for (const std::string_view separator : kSeparators) {
        const size_t at = text.rfind(separator);
        if (at != std::string::npos && (cut == std::string::npos || at > cut)) {
            cut = at;
            length = separator.size();
        }
    }
    if (cut == std::string::npos)
        return {text, {}};
    return {text.substr(cut + length), text.substr(0, cut)};
}

// The weight of each topic for this profile, broader topics included.
class CProfileTopics final
{
public:
    CProfileTopics(const CCategoryVocabulary& vocabulary, const CategoryProfile& profile)
        : m_vocabulary(vocabulary)
    {
        const CategoryMentions subcategory = Add(profile.subcategory, kSubcategoryWeight);
        const CategoryMentions category = Add(profile.category, kCategoryWeight);
        m_catchAll = category.catchAll || subcategory.catchAll;
        if (m_weights.empty()) {
            Add(profile.tags, kTagsWeight);
            Add(profile.title, kTitleWeight);
            Add(profile.description, kDescriptionWeight);
        }
    }

    double Of(const std::vector<size_t>& topics) const
    {
        double best = 0.0;
        for (const size_t topic : topics) {
            if (const auto found = m_weights.find(topic); found != m_weights.end())
                best = std::max(best, found->second);
        }
        return best;
    }

    bool IsCatchAll() const { return m_catchAll; }

private:
    CategoryMentions Add(const std::string& text, double weight)
    {
        CategoryMentions mentions = m_vocabulary.Read(text);
        for (const size_t topic : mentions.topics) {
            Raise(topic, weight);
            double share = weight;
            for (const BroaderTopic& broader : m_vocabulary.Broader(topic)) {
                share = weight;
                for (int step = 0; step < broader.steps; ++step)
                    share *= kBroaderShare;
                Raise(broader.topic, share);
            }
        }
        return mentions;
    }

    void Raise(size_t topic, double weight)
    {
        double& known = m_weights[topic];
        known = std::max(known, weight);
    }

    const CCategoryVocabulary& m_vocabulary;
    std::map<size_t, double> m_weights;
    bool m_catchAll = false;
};

bool SameWords(const std::string& a, const std::string& b)
{
    const std::vector<std::string> words = TextWords(a);
    return !words.empty() && words == TextWords(b);
}

double Score(const CategoryOption& option, const CProfileTopics& topics,
             const CategoryProfile& profile, const CCategoryVocabulary& vocabulary)
{
    const OptionParts parts = SplitParents(option.text);
    const CategoryMentions own = vocabulary.Read(parts.own);
    if (option.value.empty() || own.choosesNothing)
        return 0.0;
    // "Sports > Other" is a catch-all; "Other > Political" is not.
    const bool catchAll = own.catchAll;
    if (catchAll && !topics.IsCatchAll())
        return 0.0;
    // A group counts where the option names something within it: "Computers > Software", not
    // "Education > Colleges", which is only education again.
    const CategoryMentions group = vocabulary.Read(option.group + " " + parts.parents);
    const bool within = std::none_of(own.topics.begin(), own.topics.end(), [&](size_t topic) {
        return std::find(group.topics.begin(), group.topics.end(), topic) != group.topics.end();
    });
    const double groupScore = within ? kGroupShare * topics.Of(group.topics) : 0.0;
    if (SameWords(parts.own, profile.subcategory))
        return kSameAsSubcategory + groupScore;
    if (SameWords(parts.own, profile.category))
        return kSameAsCategory + groupScore;
    const double ownScore = catchAll ? kCategoryWeight : topics.Of(own.topics);
    return ownScore > 0.0 ? ownScore + groupScore : 0.0;
}

} // namespace

CategoryChoice ChooseCategory(std::span<const CategoryOption> options,
                              const CategoryProfile& profile)
{
    const CCategoryVocabulary& vocabulary = CCategoryVocabulary::Known();
    const CProfileTopics topics(vocabulary, profile);
    int best = -1;
    double bestScore = 0.0;
    double runnerUp = 0.0;
    for (size_t i = 0; i < options.size(); ++i) {
        const double score = Score(options[i], topics, profile, vocabulary);
        if (score > bestScore) {
            runnerUp = bestScore;
            bestScore = score;
            best = static_cast<int>(i);
        } else {
            runnerUp = std::max(runnerUp, score);
        }
    }
    if (best < 0 || bestScore < kLeastScore || bestScore - runnerUp < kLeastLead - kRounding)
        return {};
    return {best, std::min(1.0, bestScore)};
}
