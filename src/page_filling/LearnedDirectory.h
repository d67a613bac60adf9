#pragma once

#include "directory_db/DirectoryRecord.h"
#include "page_filling/FieldDescriptor.h"
#include "page_filling/FieldMeaning.h"
#include "page_filling/PageDescription.h"

#include <optional>
#include <string>
#include <vector>

// A field of a page being learnt, with the value the user chose for it (placeholders or plain
// text) and whether it is filled at all: empty or not chosen leaves the field out.
struct LearnedField
{
    FieldDescriptor field;
    std::string value;
    bool chosen = true;
};

// The page's fields with their meanings and the values proposed for them: the meaning's
// placeholders, chosen where the classifier is confident; where it is not, its best guess, not
// chosen, for the user to decide.
struct LearnProposal
{
    std::string name;
    std::vector<FieldClassification> meanings;
    std::vector<LearnedField> fields;
};
LearnProposal ProposeLearning(const PageDescription& page);

// The directory a learnt page makes: one item per field that has a value and a name or id to
// find it by, in page order.
DirectoryRecord MakeLearnedDirectory(const std::string& name, const std::string& submitUrl,
                                     const std::optional<std::string>& confirmation,
                                     const std::vector<LearnedField>& fields);

// `text` as it stands in the HTML source of the page that shows it, where the confirmation
// text is looked for: the characters that the source writes as references, written so.
std::string TextAsHtmlSource(const std::string& text);
