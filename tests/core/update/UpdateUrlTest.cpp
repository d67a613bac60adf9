#include "update/UpdateUrl.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char* url;
    const char* host;
    const char* path;
    const char* scheme = "http";
};

class SplitUpdateUrlTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitUpdateUrlTest, CutsHostAtFirstSlash)
{
    const SplitCase& row = GetParam();
    const UpdateUrl parts = SplitUpdateUrl(row.url);
    EXPECT_EQ(parts.host, row.host);
    EXPECT_EQ(parts.path, row.path);
    EXPECT_EQ(parts.scheme, row.scheme);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, SplitUpdateUrlTest,
    ::testing::Values(
        SplitCase{"http://example.org/updates/demo.xml", "example.org", "/updates/demo.xml"},
        SplitCase{"example.org/updates/demo.xml", "example.org", "/updates/demo.xml"},
        SplitCase{"http://example.org", "example.org", "/"},
        SplitCase{"example.org", "example.org", "/"},
        SplitCase{"http://127.0.0.1:8431/updates/demo.xml", "127.0.0.1:8431", "/updates/demo.xml"},
        SplitCase{"http://example.org/", "example.org", "/"},
        SplitCase{"http://example.org/a/b?c=/d", "example.org", "/a/b?c=/d"},
        // A source the user chose may be https.
        SplitCase{"https://example.org/x", "example.org", "/x", "https"},
        SplitCase{"https://127.0.0.1:8443", "127.0.0.1:8443", "/", "https"},
        // The scheme is dropped only in exactly these spellings and only at the start.
        SplitCase{"HTTP://example.org/x", "HTTP:", "//example.org/x"},
        SplitCase{"ftp://example.org/x", "ftp:", "//example.org/x"}, SplitCase{"http://", "", "/"},
        SplitCase{"", "", "/"}));

} // namespace
