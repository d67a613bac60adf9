#pragma once

#include "page_filling/FieldMeaning.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// The form corpus kept beside the repository (../shared/form-corpus): real pages whose forms
// and fields people annotated, and the table (bench/forms/annotation-types.tsv) that says how a
// meaning found in each annotated field is judged.

// One saved page: its file under the corpus folder, the type of each of its forms in document
// order, and for each form the type of each annotated field by the field's name.
struct CorpusPage
{
    std::string file;
    std::vector<std::string> formTypes;
    std::vector<std::map<std::string, std::string>> fieldTypes;
};

// The pages of the corpus's index; nullopt when the index cannot be read.
std::optional<std::vector<CorpusPage>> ReadCorpusIndex(const std::string& corpusFolder);

enum class AnnotationKind
{
    Answer,  // a profile answers it: one meaning is right
    Strict,  // never filled, no exception
    Never,   // never filled
    Free,    // free text or choice: the profile's texts and category are not judged there
    Other,   // nothing a profile holds
    Unknown, // not annotated: left out
};

struct AnnotationType
{
    AnnotationKind kind = AnnotationKind::Unknown;
    FieldMeaning meaning = FieldMeaning::None; // the right meaning of an Answer
    std::string description;
};

class CAnnotationTable final
{
public:
    // nullopt when the table cannot be read or holds a row it does not understand.
    static std::optional<CAnnotationTable> Read(const std::string& path);

    // How a field of this type in a form of this type is judged: a form type with a row of
    // its own decides for all its fields.
    AnnotationType TypeOf(const std::string& formType, const std::string& fieldType) const;

private:
    std::map<std::string, AnnotationType> m_forms;
    std::map<std::string, AnnotationType> m_fields;
};

// Marks each <form> start tag of `html` with its number in document order, as the corpus
// counts them (tags in comments, scripts and styles do not count), in the attribute
// kFormNumberAttribute, so that a form the browser shows can be matched to its annotations.
inline constexpr char kFormNumberAttribute[] = "data-corpus-form";
std::string NumberForms(const std::string& html);
