#pragma once

#include "support/FileBytes.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <string>

// A fresh folder per test holding history.sqlite's path.
class HistoryTestFolder : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.IsValid()); }

    std::string Folder() const { return m_folder.Path(); }
    std::string PathOf(const std::string& name) const { return m_folder.File(name); }
    std::string HistoryPath() const { return PathOf("history.sqlite"); }

private:
    TemporaryFolder m_folder;
};
