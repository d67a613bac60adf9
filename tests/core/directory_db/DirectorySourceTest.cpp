// A database file kept as its bytes must read exactly as the same file kept as a parsed
// document: the same names in the same order, and each directory's element the same.
#include "directory_db/DirectorySource.h"

#include "directory_db/DirectoryScan.h"
#include "directory_db/XmlNodes.h"
#include "support/ElementMarkup.h"

#include <gmock/gmock.h>

using ::testing::ElementsAreArray;

namespace {

struct SourceCase
{
    const char* label;
    std::string file;
    std::vector<std::string> names;
};

void PrintTo(const SourceCase& row, std::ostream* out)
{
    *out << row.label;
}

// The same document with a document type, which makes the reader keep it parsed as a whole.
std::string WithDocumentType(const std::string& file)
{
    size_t at = file.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    if (file.compare(at, 5, "<?xml") == 0)
        at = file.find("?>", at) + 2;
    return file.substr(0, at) + "<!DOCTYPE r>" + file.substr(at);
}

const std::string kItems = R"(<variable name="V"><cond category="A" value="1"/></variable>)"
                           R"(<item name="url" index="0" value="#url#" type="edit"/>)";

class DirectorySourceTest : public ::testing::TestWithParam<SourceCase>
{
};

TEST_P(DirectorySourceTest, BytesReadAsTheParsedDocument)
{
    const SourceCase& row = GetParam();
    const std::optional<DirectoryScan> scan = ScanDirectories(row.file);
    ASSERT_TRUE(scan);
    EXPECT_TRUE(scan->elementsStandAlone);

    const auto bytes = CDirectorySource::Read(row.file);
    const auto parsed = CDirectorySource::Read(WithDocumentType(row.file));
    ASSERT_TRUE(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_THAT(bytes->Names(), ElementsAreArray(row.names));
    ASSERT_THAT(parsed->Names(), ElementsAreArray(row.names));
    for (size_t i = 0; i < row.names.size(); ++i) {
        const DirectoryElement fromBytes = bytes->Element(i);
        EXPECT_TRUE(fromBytes.ownDocument) << row.names[i];
        EXPECT_EQ(ElementMarkup(fromBytes.element), ElementMarkup(parsed->Element(i).element))
            << row.names[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DirectorySourceTest,
    ::testing::Values(
        SourceCase{"plain",
                   "<?xml version=\"1.0\"?>\n<r>\n<directory name=\"One\">" + kItems +
                       "</directory>\n<directory name=\"Two\" submiturl=\"http://x/?a=1&amp;b=2\"/>"
                       "\n</r>\n",
                   {"One", "Two"}},
        SourceCase{"references and white space in names",
                   "<r><directory name=\"A &amp; B\"/><directory name=\"&#38;&#65;&#x42;&lt;&gt;"
                   "&quot;&apos;\"/><directory name=\"tab\there\nline\r\nend\"/>"
                   "<directory name=\"new&#10;line\"/></r>",
                   {"A & B", "&AB<>\"'", "tab here line end", "new\nline"}},
        SourceCase{"byte order mark, other text and CRLF lines",
                   "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\r\n"
                   "<!-- <directory name=\"comment\"/> -->\r\n<?pi <directory name='pi'/>?>\r\n"
                   "<r  version=\"2\" >\r\n<directory\r\n name=\"Caf\xC3\xA9\"\r\n>" +
                       kItems + "<![CDATA[<directory name=\"cdata\"/>]]></directory><!-- x --></r>",
                   {"Caf\xC3\xA9"}},
        SourceCase{"only named children of the document element",
                   "<r><directory/><directory name=\"\"/><group><directory name=\"deep\"/>"
                   "</group><directory name=\"Twin\" a=\"1\"/><directory name=\"Twin\" a=\"2\"/>"
                   "<Directory name=\"case\"/></r>",
                   {"", "Twin", "Twin"}},
        SourceCase{"namespaces",
                   "<r xmlns:p=\"urn:p\"><p:directory name=\"prefixed\"/>"
                   "<directory xmlns=\"urn:d\" name=\"default namespace\"/>"
                   "<directory p:name=\"namespaced name\"/>"
                   "<directory p:name=\"first\" name=\"plain\" p:extra=\"e\"><p:item name=\"i\"/>"
                   "<item name=\"j\" p:value=\"v\"/></directory></r>",
                   {"plain"}},
        SourceCase{
            "attributes of the document element around its namespaces",
            "<!-- " + std::string(100000, 'c') +
                " --><r note='a > \"b\"' xmlns:p = \"urn:p\" p:note=\"z\" "
                "xml:lang=\"en\"><directory name=\"a &amp; b\" p:x=\"1\"><p:item name=\"i\"/>"
                "<item name=\"j\" value=\"&amp;&#38;&lt;\"/></directory></r>",
            {"a & b"}},
        SourceCase{"long comments before the document element, which the parser is spared",
                   "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- <directory name=\"fake\"/> " +
                       std::string(70000, 'c') + " -->\r\n\t<!--" + std::string(70000, '.') +
                       "-->\n<!-- Caf\xC3\xA9 " + std::string(70000, 'e') +
                       " --><?pi x?>\n<r><directory name=\"after\"/></r>",
                   {"after"}},
        SourceCase{"a document element that is no database",
                   "<db><directory name=\"elsewhere\"/></db>",
                   {}},
        SourceCase{"an empty database", "<?xml version=\"1.0\"?><r/>", {}}),
    [](const ::testing::TestParamInfo<SourceCase>& info) { return std::to_string(info.index); });

TEST(DirectorySourceEncodingTest, OtherEncodingsAreKeptAsTheirDocument)
{
    const std::string latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                               "<r><directory name=\"Caf\xE9\" submiturl=\"http://x/\xE9\"/></r>";
    EXPECT_FALSE(ScanDirectories(latin1)->elementsStandAlone);
    const auto source = CDirectorySource::Read(latin1);
    ASSERT_TRUE(source);
    EXPECT_THAT(source->Names(), ElementsAreArray({"Caf\xC3\xA9"}));
    const DirectoryElement element = source->Element(0);
    EXPECT_FALSE(element.ownDocument);
    ASSERT_TRUE(element.element);
    EXPECT_EQ(ReadAttribute(element.element, "submiturl"), "http://x/\xC3\xA9");

    // "<r><directory name="x"/></r>" in UTF-16, little-endian with its byte order mark.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("<r><directory name=\"x\"/></r>"))
        utf16 += std::string{c, '\0'};
    const auto wide = CDirectorySource::Read(utf16);
    ASSERT_TRUE(wide);
    EXPECT_THAT(wide->Names(), ElementsAreArray({"x"}));
}

// Building a document stops at a text of more than 10 MB; a file it would cut short is refused
// rather than read in part, and a file kept as bytes is read whole.
TEST(DirectorySourceEncodingTest, AHugeTextLosesNoDirectory)
{
    const std::string text = "<x>" + std::string(11'000'000, 'y') + "</x>";
    const std::string file = "<r><directory name=\"a\"/>" + text + "<directory name=\"b\"/></r>";
    const auto bytes = CDirectorySource::Read(file);
    ASSERT_TRUE(bytes);
    EXPECT_THAT(bytes->Names(), ElementsAreArray({"a", "b"}));
    EXPECT_FALSE(CDirectorySource::Read(WithDocumentType(file)));
}

TEST(DirectorySourceEncodingTest, UnreadableFilesGiveNoSource)
{
    // The first bytes read as UCS-4, which the rest cannot be decoded as.
    const std::string undecodable = "<" + std::string(40, '\0') + "<r/>";
    for (const std::string& file :
         {std::string(), std::string("<r>"), std::string("not xml"),
          std::string("<r><directory name=\"a\"></r>"),
          std::string("<r><directory name=\"a\" name=\"b\"/></r>"),
          std::string("<r><directory name=\"&undeclared;\"/></r>"), undecodable,
          // Long comments that XML does not allow, and a declaration that comes after them.
          "<!--" + std::string(70000, 'c') + "--x--><r/>",
          "<!--" + std::string(70000, 'c') + "---><r/>",
          "<!--" + std::string(70000, 'c') + "--><?xml version=\"1.0\"?><r/>"})
        EXPECT_FALSE(CDirectorySource::Read(file)) << file;
}

} // namespace
