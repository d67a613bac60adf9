#pragma once

#include <QString>
#include <optional>
#include <string>

// `kestrine --describe-page ADDRESS [--json]`: loads the page in a browser that is never
// shown, describes and classifies its fields as Directory > Add This Page does, and prints the
// fields with their proposed values, the proposed name and the directory element that saving
// would write. Given a profile `category` (and `subcategory`), each category list also tells
// the option it would be filled with, and how sure that choice is. Exit code 0, 1 when the page
// has no form fields, 2 when it cannot be loaded.
class CDescribePageCommand final
{
public:
    // Needs the application object; returns the exit code.
    static int Run(const QString& address, bool json,
                   const std::optional<std::string>& category = std::nullopt,
                   const std::string& subcategory = {});
};
