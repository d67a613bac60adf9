#pragma once

#include "directory_db/FormField.h"

#include <string>
#include <vector>

class CDatabaseDocument;
class MessagePresenter;

// Appends one field per item of every directory named `name`, in document order, with
// `variables` put into the values. An item whose type is not one of the three is reported
// through `presenter` and still appended.
void AppendFormFields(const CDatabaseDocument& document, const std::string& name,
                      const VariableMap& variables, std::vector<FormField>& fields,
                      MessagePresenter& presenter);
