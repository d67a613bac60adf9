#include "directory_db/FormFieldList.h"

#include "common/MessagePresenter.h"
#include "common/TextCatalogue.h"
#include "directory_db/ChildElements.h"
#include "directory_db/DatabaseDocument.h"
#include "directory_db/IndexText.h"
#include "directory_db/VariableTable.h"

#include <optional>

namespace {

std::optional<FieldType> FieldTypeFromText(const std::string& text)
{
    if (text == "edit")
        return FieldType::Edit;
    if (text == "combobox")
        return FieldType::ComboBox;
    if (text == "checkbox")
        return FieldType::CheckBox;
    return std::nullopt;
}

// Overwrites the parts of `record` that `item` writes; the rest stays as earlier items left it.
void ApplyItem(const xmlNode* item, const std::string& directoryName, const VariableMap& variables,
               FormField& record, MessagePresenter& presenter)
{
    if (std::optional<std::string> name = ReadAttribute(item, "name"))
        record.name = std::move(*name);
    if (const std::optional<std::string> index = ReadAttribute(item, "index"))
        record.index = ReadIndexText(*index);
    if (std::optional<std::string> value = ReadAttribute(item, "value")) {
        PutVariables(*value, variables);
        record.value = std::move(*value);
    }
    if (const std::optional<std::string> typeText = ReadAttribute(item, "type")) {
        if (const std::optional<FieldType> type = FieldTypeFromText(*typeText))
            record.type = *type;
        else
            presenter.ShowMessage(KESTRINE_TEXT("DirectoryDatabase", "unsuported control type"),
                                  directoryName, MessageIcon::Error);
    }
}

} // namespace

void AppendFormFields(const CDatabaseDocument& document, const std::string& name,
                      const VariableMap& variables, std::vector<FormField>& fields,
                      MessagePresenter& presenter)
{
    // One record serves every item, so an attribute an item leaves out keeps the value of the
    // item before it. It starts as an edit field at index 0.
    FormField record;
    for (const xmlNode* directory : document.DirectoriesNamed(name)) {
        for (const xmlNode* item : CChildElements(directory, "item")) {
            ApplyItem(item, name, variables, record, presenter);
            fields.push_back(record);
        }
    }
}
