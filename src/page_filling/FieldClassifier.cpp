#include "page_filling/FieldClassifier.h"

#include "page_filling/FormKind.h"
#include "page_filling/TextEvidence.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace {

// How much each thing a page says about a field counts, against what a keyword in it weighs.
constexpr double kLabelWeight = 0.9;
constexpr double kPlaceholderWeight = 0.7;
constexpr double kNearbyWeight = 0.65;
constexpr double kTitleWeight = 0.6;
constexpr double kNameWeight = 0.6;
constexpr double kIdWeight = 0.5;
constexpr double kNoteWeight = 0.9;

// Independent pieces of evidence for a meaning add up without ever reaching 1.
void Add(Evidence& total, FieldMeaning meaning, double amount)
{
    double& slot = total[static_cast<size_t>(meaning)];
    slot = 1.0 - (1.0 - slot) * (1.0 - amount);
}

void AddText(Evidence& total, std::string_view text, TextSource source, double weight)
{
    const Evidence evidence = TextEvidence(text, source);
    for (size_t i = 0; i < kMeaningCount; ++i)
        Add(total, static_cast<FieldMeaning>(i), weight * evidence[i]);
}

// A note after a field may warn that it must stay empty; its other words say what the field
// is for as often as they tell of another ("This will be your username").
void AddWarning(Evidence& total, std::string_view note)
{
    if (WarnsOff(note))
        Add(total, FieldMeaning::None, kNoteWeight);
}

// The autocomplete token that names the field's purpose is the last one ("shipping email").
void AddAutocomplete(Evidence& total, std::string_view autocomplete)
{
    std::string_view token = autocomplete;
    if (const size_t space = token.find_last_of(" \t"); space != std::string_view::npos)
        token = token.substr(space + 1);
    if (token.empty() || token == "on" || token == "off")
        return;
    struct Purpose
    {
        std::string_view token;
        FieldMeaning meaning;
    };
    constexpr Purpose kPurposes[] = {
        {"email", FieldMeaning::Email},          {"given-name", FieldMeaning::FirstName},
        {"family-name", FieldMeaning::LastName}, {"name", FieldMeaning::FullName},
        {"url", FieldMeaning::SiteAddress},
    };
    for (const Purpose& purpose : kPurposes) {
        if (token == purpose.token) {
            Add(total, purpose.meaning, 1.0);
            return;
        }
    }
    // Any other purpose (a password, a telephone number, a postal address) is nothing a
    // profile holds.
    Add(total, FieldMeaning::None, 1.0);
}

bool TakesNoText(const FieldDescriptor& field)
{
    constexpr std::string_view kNoText[] = {"hidden", "checkbox", "radio",   "submit",
                                            "button", "reset",    "image",   "file",
                                            "range",  "color",    "password"};
    return field.tag == "input" &&
           std::find(std::begin(kNoText), std::end(kNoText), field.type) != std::end(kNoText);
}

void AddType(Evidence& total, const FieldDescriptor& field)
{
    if (field.type == "email")
        Add(total, FieldMeaning::Email, 0.9);
    else if (field.type == "url")
        Add(total, FieldMeaning::SiteAddress, 0.4);
    else if (field.type == "tel" || field.type == "number" || field.type == "search" ||
             field.type.starts_with("date") || field.type == "time" || field.type == "month" ||
             field.type == "week")
        Add(total, FieldMeaning::None, 1.0);
    else if (field.tag == "textarea")
        Add(total, FieldMeaning::Description, 0.35);
}

// A list offers choices, of which a profile knows only the category; a text area holds
// running text, no address or name.
void KeepWhatTheControlCanTake(Evidence& total, const FieldDescriptor& field)
{
    const auto keepOnly = [&total](std::initializer_list<FieldMeaning> kept) {
        for (size_t i = 0; i < kMeaningCount; ++i) {
            const auto meaning = static_cast<FieldMeaning>(i);
            if (std::find(kept.begin(), kept.end(), meaning) == kept.end())
                total[i] = 0.0;
        }
    };
    if (field.tag == "select")
        keepOnly({FieldMeaning::None, FieldMeaning::Category});
    else if (field.tag == "textarea")
        keepOnly({FieldMeaning::None, FieldMeaning::Description, FieldMeaning::Tags,
                  FieldMeaning::Title, FieldMeaning::FeedAddress, FieldMeaning::SiteAddress});
}

FieldClassification Decide(const Evidence& total)
{
    size_t best = 0;
    for (size_t i = 1; i < kMeaningCount; ++i) {
        if (total[i] > total[best])
            best = i;
    }
    double second = 0.0;
    for (size_t i = 0; i < kMeaningCount; ++i) {
        if (i != best)
            second = std::max(second, total[i]);
    }
    if (total[best] <= 0.0)
        return {};
    return {static_cast<FieldMeaning>(best), std::max(0.0, total[best] - 0.5 * second)};
}

// Beside "Surname", "Name" asks for the given name only; beside "Prénom" (first name), "Nom"
// asks for the family name.
void TellNamesApart(std::vector<FieldClassification>& meanings)
{
    const auto asks = [&meanings](FieldMeaning meaning) {
        return std::any_of(meanings.begin(), meanings.end(), [meaning](const auto& c) {
            return c.meaning == meaning && c.IsConfident();
        });
    };
    const bool first = asks(FieldMeaning::FirstName);
    const bool last = asks(FieldMeaning::LastName);
    if (first == last)
        return;
    for (FieldClassification& c : meanings) {
        if (c.meaning == FieldMeaning::FullName)
            c.meaning = first ? FieldMeaning::LastName : FieldMeaning::FirstName;
    }
}

// Where a form sets a password, a plain "Name" is as often the account's name as the
// person's: it is left to the user.
void DoubtAccountNames(const FormFields& form, std::vector<FieldClassification>& meanings)
{
    if (!form.form || form.form->passwordFields == 0)
        return;
    for (FieldClassification& c : meanings) {
        if (c.meaning == FieldMeaning::FullName)
            c.confidence = std::min(c.confidence, kConfidentMeaning / 2);
    }
}

} // namespace

FieldClassification CFieldClassifier::Classify(const FieldDescriptor& field) const
{
    if (TakesNoText(field))
        return {FieldMeaning::None, 1.0};
    Evidence total{};
    AddText(total, field.label, TextSource::Caption, kLabelWeight);
    AddText(total, field.placeholder, TextSource::Caption, kPlaceholderWeight);
    AddText(total, field.nearbyText, TextSource::Caption, kNearbyWeight);
    AddText(total, field.title, TextSource::Caption, kTitleWeight);
    AddWarning(total, field.noteAfter);
    AddText(total, field.name, TextSource::Key, kNameWeight);
    if (field.id != field.name)
        AddText(total, field.id, TextSource::Key, kIdWeight);
    AddAutocomplete(total, field.autocomplete);
    AddType(total, field);
    KeepWhatTheControlCanTake(total, field);
    return Decide(total);
}

std::vector<FieldClassification> CFieldClassifier::ClassifyPage(const PageDescription& page) const
{
    // The fields by form; those outside any form make one group of their own.
    std::map<int32_t, FormFields> forms;
    for (const FieldDescriptor& field : page.fields) {
        FormFields& form = forms[field.form];
        if (field.form >= 0 && static_cast<size_t>(field.form) < page.forms.size())
            form.form = &page.forms[static_cast<size_t>(field.form)];
        form.fields.push_back(&field);
        form.meanings.push_back(Classify(field));
    }
    std::map<const FieldDescriptor*, FieldClassification> decided;
    for (auto& [number, form] : forms) {
        if (ClassifyForm(form) != FormKind::Other) {
            form.meanings.assign(form.meanings.size(), {FieldMeaning::None, 1.0});
        } else {
            TellNamesApart(form.meanings);
            DoubtAccountNames(form, form.meanings);
        }
        for (size_t i = 0; i < form.fields.size(); ++i)
            decided[form.fields[i]] = form.meanings[i];
    }
    std::vector<FieldClassification> classes;
    classes.reserve(page.fields.size());
    for (const FieldDescriptor& field : page.fields)
        classes.push_back(decided[&field]);
    return classes;
}
