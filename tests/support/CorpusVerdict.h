#pragma once

#include "page_filling/FieldDescriptor.h"
#include "page_filling/FieldMeaning.h"
#include "support/FormCorpus.h"

#include <string>
#include <vector>

// What became of one annotated field of a corpus page: whether the browser showed it and which
// meanings the classifier was sure of in it (several fields may share its name).
struct FieldVerdict
{
    int form = 0;
    std::string name;
    std::string code;
    AnnotationType type;
    bool described = false;
    std::vector<FieldMeaning> found;
    std::vector<size_t> fields; // positions of the described fields it stands for

    bool Right() const;
    // A meaning found that the annotation rules out.
    bool Wrong() const;
};

// The verdicts on every annotated field of `page` whose annotation is judged, given the fields
// the browser described, the corpus number of each form it showed, and the classifications.
std::vector<FieldVerdict> JudgePage(const CorpusPage& page,
                                    const std::vector<FieldDescriptor>& fields,
                                    const std::vector<int>& corpusFormOf,
                                    const std::vector<FieldClassification>& classes,
                                    const CAnnotationTable& table);
