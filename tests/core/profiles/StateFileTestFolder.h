#pragma once

#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <string>

// A fresh folder per test with sv.dat's path in it.
class StateFileTestFolder : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.IsValid()); }

    std::string PathOf(const std::string& name) const { return m_folder.File(name); }
    std::string StatePath() const { return PathOf("sv.dat"); }
    size_t FilesInFolder() const { return m_folder.EntryCount(); }

    static std::string TestData(const std::string& name)
    {
        return ReadWholeFile(std::string(KESTRINE_TEST_DATA_DIR) + "/profiles/" + name);
    }

    TemporaryFolder m_folder;
};
