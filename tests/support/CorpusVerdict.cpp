#include "support/CorpusVerdict.h"

#include <algorithm>

namespace {

// The profile's texts and its category, which free-text and choice annotations cannot tell
// apart from other text.
bool IsFreeText(FieldMeaning meaning)
{
    return meaning == FieldMeaning::Title || meaning == FieldMeaning::Description ||
           meaning == FieldMeaning::Tags || meaning == FieldMeaning::Category;
}

int CorpusFormOf(const FieldDescriptor& field, const std::vector<int>& corpusFormOf)
{
    if (field.form < 0 || static_cast<size_t>(field.form) >= corpusFormOf.size())
        return -1;
    return corpusFormOf[static_cast<size_t>(field.form)];
}

} // namespace

bool FieldVerdict::Right() const
{
    return type.kind == AnnotationKind::Answer && !found.empty() &&
           std::all_of(found.begin(), found.end(),
                       [this](FieldMeaning meaning) { return meaning == type.meaning; });
}

bool FieldVerdict::Wrong() const
{
    return std::any_of(found.begin(), found.end(), [this](FieldMeaning meaning) {
        switch (type.kind) {
        case AnnotationKind::Answer:
            return meaning != type.meaning;
        case AnnotationKind::Free:
            return !IsFreeText(meaning);
        case AnnotationKind::Unknown:
            return false;
        default:
            return true;
        }
    });
}

std::vector<FieldVerdict> JudgePage(const CorpusPage& page,
                                    const std::vector<FieldDescriptor>& fields,
                                    const std::vector<int>& corpusFormOf,
                                    const std::vector<FieldClassification>& classes,
                                    const CAnnotationTable& table)
{
    std::vector<FieldVerdict> verdicts;
    for (size_t form = 0; form < page.fieldTypes.size() && form < page.formTypes.size(); ++form) {
        for (const auto& [name, code] : page.fieldTypes[form]) {
            FieldVerdict verdict{static_cast<int>(form),
                                 name,
                                 code,
                                 table.TypeOf(page.formTypes[form], code),
                                 false,
                                 {},
                                 {}};
            if (verdict.type.kind == AnnotationKind::Unknown)
                continue;
            for (size_t i = 0; i < fields.size(); ++i) {
                const int shownIn = CorpusFormOf(fields[i], corpusFormOf);
                // A field outside any form, or in one the page's scripts made, is matched by
                // its name alone.
                if (fields[i].name != name || (shownIn >= 0 && shownIn != verdict.form))
                    continue;
                verdict.described = true;
                verdict.fields.push_back(i);
                if (classes[i].IsConfident())
                    verdict.found.push_back(classes[i].meaning);
            }
            verdicts.push_back(std::move(verdict));
        }
    }
    return verdicts;
}
