#include "directory_db/DirectoryRecordReader.h"

#include "directory_db/ChildElements.h"
#include "directory_db/DatabaseDocument.h"
#include "directory_db/FormFieldList.h"

namespace {

VariableRecord ReadVariable(const xmlNode* variable)
{
    VariableRecord record{ReadAttribute(variable, "name"), {}};
    for (const xmlNode* cond : CChildElements(variable, "cond")) {
        record.conditions.push_back({ReadAttribute(cond, "category"),
                                     ReadAttribute(cond, "subcategory"),
                                     ReadAttribute(cond, "value")});
    }
    return record;
}

} // namespace

std::optional<DirectoryRecord> ReadDirectoryRecord(const CDatabaseDocument& document,
                                                   const std::string& name,
                                                   MessagePresenter& presenter)
{
    if (document.DirectoriesNamed(name).empty())
        return std::nullopt;
    DirectoryRecord record;
    record.name = name;
    record.submitUrl = document.FirstDirectoryAttribute(name, "submiturl").value_or("");
    record.confirmation = document.FirstDirectoryAttribute(name, "onsubmit");
    AppendFormFields(document, name, VariableMap{}, record.items, presenter);
    for (const xmlNode* directory : document.DirectoriesNamed(name)) {
        for (const xmlNode* variable : CChildElements(directory, "variable"))
            record.variables.push_back(ReadVariable(variable));
    }
    return record;
}
