#pragma once

#include <map>
#include <string>

// What one directory of the demo site received from one submitted form.
struct DemoSubmission
{
    std::string directory; // the directory's name
    std::string method;    // "GET" or "POST"
    // Every field by name; fields sharing a name keep the order in which the form sent them.
    std::multimap<std::string, std::string> fields;
    bool accepted = false; // false when the directory answered with its error page
};
