#include "directory_db/VariableTable.h"

#include "common/MessagePresenter.h"
#include "common/ReplaceAll.h"
#include "common/TextCatalogue.h"
#include "directory_db/ChildElements.h"
#include "directory_db/DatabaseDocument.h"

#include <stdexcept>
#include <string_view>

namespace {

// A condition attribute left out matches any profile; one written must match it exactly.
bool ConditionHolds(const xmlNode* cond, const char* attribute, const std::string& profileField)
{
    const std::optional<std::string> wanted = ReadAttribute(cond, attribute);
    return !wanted || *wanted == profileField;
}

// The value of the first condition that applies and has one, or empty text. An empty value
// still ends the search.
std::string ChooseValue(const xmlNode* variable, const std::string& category,
                        const std::string& subcategory)
{
    for (const xmlNode* cond : CChildElements(variable, "cond")) {
        if (!ConditionHolds(cond, "category", category) ||
            !ConditionHolds(cond, "subcategory", subcategory))
            continue;
        if (std::optional<std::string> value = ReadAttribute(cond, "value"))
            return std::move(*value);
    }
    return {};
}

void WorkOutVariable(const xmlNode* variable, const std::string& category,
                     const std::string& subcategory, VariableMap& variables,
                     MessagePresenter& presenter)
{
    std::optional<std::string> name = ReadAttribute(variable, "name");
    if (!name)
        return;
    std::string value = ChooseValue(variable, category, subcategory);
    if (name->empty() || value.empty()) {
        presenter.ShowMessage(KESTRINE_TEXT("DirectoryDatabase", "error on variable"), *name,
                              MessageIcon::None);
        return;
    }
    variables.emplace(std::move(*name), std::move(value));
}

// The length `text` reaches once ReplaceAll has put `value` in place of every `name`.
size_t LengthAfterReplacing(std::string_view text, std::string_view name, std::string_view value)
{
    if (name.empty())
        return text.size();
    size_t count = 0;
    for (size_t at = text.find(name); at != std::string_view::npos;
         at = text.find(name, at + name.size()))
        ++count;
    return text.size() - count * name.size() + count * value.size();
}

} // namespace

void WorkOutVariables(const CDatabaseDocument& document, const std::string& name,
                      const std::string& category, const std::string& subcategory,
                      VariableMap& variables, MessagePresenter& presenter)
{
    for (const xmlNode* directory : document.DirectoriesNamed(name)) {
        for (const xmlNode* variable : CChildElements(directory, "variable"))
            WorkOutVariable(variable, category, subcategory, variables, presenter);
    }
}

void PutVariables(std::string& text, const VariableMap& variables)
{
    for (const auto& [name, value] : variables) {
        if (LengthAfterReplacing(text, name, value) > kMaxComposedText)
            throw std::length_error("variables make the text too long");
        ReplaceAll(text, name, value);
    }
}
