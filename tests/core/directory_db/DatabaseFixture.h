#pragma once

#include "directory_db/DirectoryDatabase.h"
#include "support/FileBytes.h"
#include "support/RecordingPresenter.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A database with a recording presenter and a temporary folder of its own for the files a
// test writes.
class DatabaseFixture : public ::testing::Test
{
protected:
    using Message = RecordingPresenter::Message;

    void SetUp() override { ASSERT_TRUE(m_folder.IsValid()); }

    std::string PathOf(const std::string& name) const { return m_folder.File(name); }

    std::string WriteFile(const std::string& name, const std::string& bytes) const
    {
        const std::string path = PathOf(name);
        WriteWholeFile(path, bytes);
        return path;
    }

    // Loads `xml` as the database file; true when the load succeeded.
    bool LoadXml(const std::string& xml)
    {
        return m_database.LoadFile(WriteFile("dirdata-" + std::to_string(++m_files) + ".xml", xml));
    }

    // `directories` wrapped in the document element.
    bool LoadDirectories(const std::string& directories)
    {
        return LoadXml("<?xml version=\"1.0\"?>\n<r>" + directories + "</r>");
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        EXPECT_TRUE(m_database.GetDirectoryNames(names));
        return names;
    }

    std::vector<FormField> Items(const std::string& name, const std::string& category = {},
                                 const std::string& subcategory = {}) const
    {
        std::vector<FormField> fields;
        EXPECT_TRUE(m_database.GetDirectoryItems(name, category, subcategory, fields));
        return fields;
    }

    VariableMap Variables(const std::string& name, const std::string& category = {},
                          const std::string& subcategory = {}) const
    {
        VariableMap variables;
        m_database.GetDirectoryVariables(name, category, subcategory, variables);
        return variables;
    }

    TemporaryFolder m_folder;
    RecordingPresenter m_presenter;
    CDirectoryDatabase m_database{m_presenter};
    int m_files = 0;
};

inline bool operator==(const FormField& a, const FormField& b)
{
    return a.name == b.name && a.type == b.type && a.index == b.index && a.value == b.value;
}

inline void PrintTo(const FormField& field, std::ostream* out)
{
    *out << "{" << field.name << ", type " << static_cast<int>(field.type) << ", index "
         << field.index << ", \"" << field.value << "\"}";
}

inline void PrintTo(const RecordingPresenter::Message& message, std::ostream* out)
{
    *out << "{\"" << message.text << "\", caption \"" << message.caption << "\", icon "
         << static_cast<int>(message.icon) << "}";
}
