#include "net/CurlLibrary.h"

#include <gtest/gtest.h>

namespace {

TEST(CurlLibrary, LoadsTheInstalledLibraryOnceForTheWholeProcess)
{
    const CCurlLibrary& library = CCurlLibrary::Shared();
    EXPECT_TRUE(library.IsAvailable());
    EXPECT_EQ(&CCurlLibrary::Shared(), &library);
    EXPECT_TRUE(library.EasyInit());
}

TEST(CurlLibrary, IsUnavailableWhenTheLibraryIsMissing)
{
    EXPECT_FALSE(CCurlLibrary("libcurl-that-does-not-exist.so").IsAvailable());
}

TEST(CurlLibrary, IsUnavailableWhenTheLibraryLacksTheFunctions)
{
    EXPECT_FALSE(CCurlLibrary("libm.so.6").IsAvailable());
}

} // namespace
