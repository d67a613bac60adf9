#pragma once

#include "directory_db/FormField.h"

#include <cstddef>
#include <string>

class CDatabaseDocument;

// The longest address or field value the variables may make, far above any real one.
inline constexpr size_t kMaxComposedText = size_t{1} << 20;
class MessagePresenter;

// Works out the variables of every directory named `name` for a profile's category and
// subcategory into `variables`. A variable left without a name or a value is reported through
// `presenter` and left out; the first value a name gets is the one it keeps.
void WorkOutVariables(const CDatabaseDocument& document, const std::string& name,
                      const std::string& category, const std::string& subcategory,
                      VariableMap& variables, MessagePresenter& presenter);

// Replaces each variable's name in `text` by its value, the variables taken in the map's order,
// so text put in for one variable is searched by the variables after it. Each variable can
// multiply the length, so a handful of them could ask for terabytes: past kMaxComposedText
// this throws std::length_error, leaving `text` as the earlier variables left it.
void PutVariables(std::string& text, const VariableMap& variables);
