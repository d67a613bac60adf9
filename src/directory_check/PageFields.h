#pragma once

#include "directory_db/FormField.h"

#include <string>
#include <string_view>
#include <vector>

// What a submission page offers a fill: its form controls and whether it has a form at all.
struct PageFields
{
    struct Control
    {
        std::string name;
        std::string id;
    };

    std::vector<Control> controls; // input, select and textarea elements, in document order
    bool hasForm = false;
    bool hasScript = false;

    // As the page filler looks an element up: the `field.index`-th element whose name or id is
    // `field.name`.
    bool Holds(const FormField& field) const;
};

// Reads a page that came from the network with libxml2's HTML parser: nothing fetched, no
// entities beyond HTML's own, at most kMaxUntrustedXmlBytes looked at.
PageFields ReadPageFields(std::string_view html);
