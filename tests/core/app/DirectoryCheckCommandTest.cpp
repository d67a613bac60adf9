// "kestrine --check-directories": its outputs, its exit status and what it keeps.
#include "app/DirectoryCheckCommand.h"

#include "directory_check/DirectoryCheckStore.h"
#include "support/FileBytes.h"
#include "support/LocalHttpServer.h"
#include "support/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <sstream>

namespace {

using ::testing::HasSubstr;

class DirectoryCheckCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.IsValid());
        m_server.server.Get(
            "/submit", [](const httplib::Request& request, httplib::Response& response) {
                // The category's variable is put into the address.
                const std::string field = request.get_param_value("cat") == "1" ? "feed_url" : "x";
                response.set_content("<form><input name=\"" + field + "\"></form>", "text/html");
            });
        m_server.Start();
        WriteWholeFile(m_folder.File("dirdata.xml"),
                       "<r><directory name=\"Alive\" submiturl=\"" + m_server.Url("/submit") +
                           "?cat=CATID\" onsubmit=\"Thanks\">"
                           "<variable name=\"CATID\"><cond value=\"1\"/></variable>"
                           "<item name=\"feed_url\" index=\"0\" value=\"#url#\" type=\"edit\"/>"
                           "</directory><directory name=\"Dead\" submiturl=\"" +
                           m_server.Url("/gone") + "\" onsubmit=\"Thanks\"/></r>");
    }

    int Run(const DirectoryCheckCommand& command)
    {
        return RunDirectoryCheck(command, m_out, m_err);
    }

    TemporaryFolder m_folder;
    LocalHttpServer m_server;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(DirectoryCheckCommandTest, PrintsJsonAndKeepsTheResultsInTheDataFolder)
{
    EXPECT_EQ(Run({true, m_folder.File("."), ""}), 1);
    EXPECT_EQ(m_out.str(),
              "{\"directories\": [{\"name\": \"Alive\", \"address\": \"" +
                  m_server.Url("/submit?cat=1") +
                  "\", \"status\": \"ok\", \"httpStatus\": 200, "
                  "\"finalAddress\": \"" +
                  m_server.Url("/submit?cat=1") +
                  "\", \"missingFields\": [], \"message\": \"\"}, "
                  "{\"name\": \"Dead\", \"address\": \"" +
                  m_server.Url("/gone") +
                  "\", \"status\": \"not_found\", \"httpStatus\": 404, \"finalAddress\": \"" +
                  m_server.Url("/gone") +
                  "\", \"missingFields\": [], "
                  "\"message\": \"Not found (404)\"}], "
                  "\"summary\": {\"ok\": 1, \"moved\": 0, \"form_changed\": 0, \"not_found\": 1, "
                  "\"server_error\": 0, \"refused\": 0, \"unreachable\": 0, \"timeout\": 0}}\n");
    EXPECT_EQ(m_err.str(), "");

    CDirectoryCheckStore store;
    ASSERT_TRUE(store.Open(m_folder.File("history.sqlite")).ok);
    std::vector<DirectoryCheckResult> stored;
    ASSERT_TRUE(store.ReadAll(stored).ok);
    EXPECT_EQ(stored.size(), 2u);
}

TEST_F(DirectoryCheckCommandTest, PrintsATableOfAnyDatabaseFile)
{
    const std::string database = m_folder.File("dirdata.xml");
    EXPECT_EQ(Run({false, "", database}), 1);
    EXPECT_EQ(m_out.str(), "STATUS        HTTP  DIRECTORY  DETAILS\n"
                           "ok            200   Alive\n"
                           "not_found     404   Dead       Not found (404)\n"
                           "2 directories, 1 ok, 1 not_found\n");
    // Without a data folder nothing is kept.
    EXPECT_FALSE(std::filesystem::exists(m_folder.File("history.sqlite")));

    EXPECT_EQ(Run({false, "", m_folder.File("missing.xml")}), 2);
    EXPECT_THAT(m_err.str(), HasSubstr("missing.xml cannot be read"));
}

} // namespace
