// What a directory is parsed after when the file is kept as bytes: the file's opening
// declaration and the document element's namespaces, nothing else of what comes before.
#include "directory_db/ElementContext.h"

#include "directory_db/DirectoryScan.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct ContextCase
{
    const char* label;
    std::string file;
    std::string context;
};

void PrintTo(const ContextCase& row, std::ostream* out)
{
    *out << row.label;
}

class ElementContextTest : public ::testing::TestWithParam<ContextCase>
{
};

TEST_P(ElementContextTest, IsTheDeclarationAndTheRootsNamespaces)
{
    const ContextCase& row = GetParam();
    const std::optional<DirectoryScan> scan = ScanDirectories(row.file);
    ASSERT_TRUE(scan);
    ASSERT_TRUE(scan->elementsStandAlone);
    EXPECT_EQ(ElementContext(row.file, *scan), row.context);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ElementContextTest,
    ::testing::Values(
        ContextCase{"Bare", "<r><directory name=\"a\"/></r>", "<r>"},
        ContextCase{"Declaration",
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n<directory/></r>",
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>"},
        ContextCase{"CommentsAndInstructionsLeftOut",
                    "\xEF\xBB\xBF<?xml version='1.0'?>\r\n<!-- " + std::string(1000, 'c') +
                        " --><?pi <r>?>\n<r\n>\n<directory/></r><!-- after -->",
                    "\xEF\xBB\xBF<?xml version='1.0'?><r>"},
        ContextCase{"InstructionThatLooksLikeADeclaration",
                    "<?xml-stylesheet href=\"s.css\"?><r><directory/></r>", "<r>"},
        ContextCase{"NamespacesOnly",
                    "<r version=\"2\" note='a > \"b\"' xmlns:p = 'urn:p' p:x=\"1\"\n"
                    "\txmlns=\"\" xml:lang=\"en\" xmlnsish=\"no\" ><directory/></r>",
                    "<r xmlns:p = 'urn:p' xmlns=\"\">"},
        ContextCase{"RootWithoutContent", "<?xml version=\"1.0\"?><r/>", ""}),
    [](const ::testing::TestParamInfo<ContextCase>& info) { return info.param.label; });

} // namespace
