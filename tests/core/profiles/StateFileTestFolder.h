#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

// A fresh folder per test with sv.dat's path in it, and the byte-level file helpers the
// state file tests share.
class StateFileTestFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("kestrine-profiles-" + std::to_string(::getpid()) + "-" +
                    test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }
    std::string StatePath() const { return PathOf("sv.dat"); }

    size_t FilesInFolder() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_folder),
                                                 std::filesystem::directory_iterator()));
    }

    static std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void WriteRaw(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string TestData(const std::string& name)
    {
        return ReadAll(std::string(KESTRINE_TEST_DATA_DIR) + "/profiles/" + name);
    }

    std::filesystem::path m_folder;
};
