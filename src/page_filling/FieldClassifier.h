#pragma once

#include "page_filling/FieldDescriptor.h"
#include "page_filling/FieldMeaning.h"
#include "page_filling/PageDescription.h"

#include <vector>

// Tells what a form field asks for from what the page says about it: the label, the
// placeholder, the text beside it, its name and id, its autocomplete token and its type.
// Each of them adds evidence for the meanings whose keywords it holds, a label more than a
// name; the confidence is the best meaning's evidence less half of the runner-up's, so that a
// field the page describes in two ways is not taken for granted.
class CFieldClassifier final
{
public:
    FieldClassification Classify(const FieldDescriptor& field) const;
    // Classifies every field of one page, where the fields explain each other: a form that
    // asks for a last name means the first name by "Name".
    std::vector<FieldClassification> ClassifyPage(const PageDescription& page) const;
};
