#include "DatabaseGenerator.h"

namespace {

std::string Variable(const std::string& name, int seed)
{
    const std::string n = std::to_string(seed);
    return "    <variable name=\"" + name + "\">\n" +
           "      <cond category=\"Business\" subcategory=\"Marketing\" value=\"" + n + "1\"/>\n" +
           "      <cond category=\"Business\" value=\"" + n + "2\"/>\n" + "      <cond value=\"" +
           n + "3\"/>\n" + "    </variable>\n";
}

std::string Item(const std::string& name, const std::string& value, const char* type)
{
    return "    <item name=\"" + name + "\" index=\"0\" value=\"" + value + "\" type=\"" + type +
           "\"/>\n";
}

std::string Directory(int i, const DatabaseShape& shape)
{
    const std::string n = std::to_string(i);
    const std::string name = LastDirectoryName(i + 1) + (shape.ampersandInNames ? " &amp; Co" : "");
    return "  <directory name=\"" + name + "\" submiturl=\"http://127.0.0.1/directory" + n +
           "/submit.php?cat=CATID&amp;sub=SUBID&amp;lang=LANG\" onsubmit=\"Thank you, your feed " +
           n + " was added\">\n" + Variable("CATID", i) + Variable("SUBID", i + 1) +
           Variable("LANG", i + 2) + Item("feed_url", "#url#", "edit") +
           Item("feed_title", "#title#", "edit") + Item("description", "#desc#", "edit") +
           Item("category", "CATID", "combobox") + Item("subcategory", "SUBID", "combobox") +
           Item("agree", "1", "checkbox") + "  </directory>\n";
}

} // namespace

std::string GenerateDatabase(int count, const DatabaseShape& shape)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + shape.prolog + "<r>\n";
    for (int i = 0; i < count; ++i)
        xml += Directory(i, shape);
    return xml + "</r>\n";
}

std::string LastDirectoryName(int count)
{
    return "Directory " + std::to_string(count - 1);
}
