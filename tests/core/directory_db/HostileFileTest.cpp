// Files written to hurt: external resources, entity bombs, deep nesting. None may fetch
// anything, crash, or make a query expand more than the file's worth of text.
#include "DatabaseFixture.h"
#include "directory_db/DirectoryScan.h"
#include "directory_db/UntrustedXml.h"
#include "support/LocalHttpServer.h"

#include <chrono>
#include <gmock/gmock.h>
#include <thread>

using ::testing::AnyOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

class HostileFileTest : public DatabaseFixture
{
protected:
    void SetUp() override
    {
        DatabaseFixture::SetUp();
        // Whatever the server would hand out names a directory, so a fetch would show.
        m_server.server.Get(".*", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(R"(<!ENTITY fetched "fetched"><directory name="fetched"/>)",
                                 "application/xml");
        });
        m_server.Start();
        // httplib ignores a stop() that comes before its loop runs, which would hang teardown.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!m_server.server.is_running() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        ASSERT_TRUE(m_server.server.is_running());
    }

    // Runs every query on every listed directory and on the name a fetch would bring in.
    void QueryEverything()
    {
        std::vector<std::string> names = Names();
        names.push_back("fetched");
        for (const std::string& name : names) {
            m_database.GetDirectorySubmitPage(name, "", "");
            m_database.GetDirectoryOnSubmit(name);
            Variables(name);
            Items(name);
        }
    }

    LocalHttpServer m_server;
};

TEST_F(HostileFileTest, ExternalResourcesAreNeverFetched)
{
    const std::string url = m_server.Url("/x");
    const std::string head = "<?xml version=\"1.0\"?>\n";
    const std::vector<std::string> files{
        head + "<!DOCTYPE r SYSTEM \"" + url + "\"><r><directory name=\"d\"/></r>",
        head + "<!DOCTYPE r PUBLIC \"-//K//DTD K//EN\" \"" + url + "\"><r/>",
        head + "<!DOCTYPE r [<!ENTITY e SYSTEM \"" + url + "\">]><r>&e;</r>",
        head + "<!DOCTYPE r [<!ENTITY e SYSTEM \"" + url + "\">]><r><directory name=\"&e;\"/></r>",
        head + "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + url +
            "\"> %p;]><r><directory name=\"&fetched;\"/></r>",
        head + "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + url + "\"> %p;]><r/>",
        head + "<!DOCTYPE r [<!NOTATION n SYSTEM \"" + url + "\"><!ENTITY u SYSTEM \"" + url +
            "\" NDATA n><!ATTLIST directory logo ENTITY #IMPLIED>]><r><directory name=\"d\" "
            "logo=\"u\"/></r>",
        head + "<r xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"" + url +
            "\" parse=\"xml\"/><directory name=\"d\"/></r>",
        head + "<?xml-stylesheet href=\"" + url +
            "\"?><r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xsi:schemaLocation=\"urn:k " +
            url + "\"/>",
        head + "<!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/hostname\">]><r>&e;<directory "
               "name=\"d\"/></r>",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        LoadXml(file);
        QueryEverything();
        EXPECT_THAT(Names(), Not(Contains("fetched")));
    }
    EXPECT_THAT(m_server.Requests(), IsEmpty());
}

TEST_F(HostileFileTest, ExternalEntityInAnAttributeIsNotWellFormed)
{
    EXPECT_FALSE(LoadXml("<!DOCTYPE r [<!ENTITY e SYSTEM \"" + m_server.Url("/e") +
                         "\">]><r><directory name=\"&e;\"/></r>"));
    EXPECT_THAT(Names(), IsEmpty());
}

TEST_F(HostileFileTest, ClassicBillionLaughsIsRefused)
{
    std::string entities = "<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        entities += "<!ENTITY l" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j)
            entities += "&l" + std::to_string(i - 1) + ";";
        entities += "\">";
    }
    EXPECT_FALSE(LoadXml("<!DOCTYPE r [" + entities + "]><r><directory name=\"&l9;\"/></r>"));
    EXPECT_FALSE(IsDirectoryDatabaseDocument("<!DOCTYPE r [" + entities + "]><r a=\"&l9;\"/>"));
    QueryEverything();
}

// One large entity referenced many times: each reference is cheap for the parser, but reading
// the attributes would expand to about a hundred times the file.
TEST_F(HostileFileTest, LargeEntityReferencedOftenIsRefused)
{
    const std::string entity = "<!ENTITY big \"" + std::string(100'000, 'x') + "\">";
    std::string directories;
    for (int i = 0; i < 1000; ++i)
        directories += "<directory name=\"d" + std::to_string(i) + "\" submiturl=\"&big;\"/>";
    const std::string file = "<!DOCTYPE r [" + entity + "]><r>" + directories + "</r>";
    EXPECT_FALSE(LoadXml(file));
    EXPECT_FALSE(IsDirectoryDatabaseDocument(file));
    EXPECT_EQ(ParseUntrustedXml(file), nullptr);
    EXPECT_THAT(Names(), IsEmpty());
    QueryEverything();
}

TEST_F(HostileFileTest, ModestEntityUseWithinTheBudgetLoads)
{
    const std::string file = "<!DOCTYPE r [<!ENTITY site \"http://127.0.0.1/" +
                             std::string(200, 's') + "\">]><r>" +
                             R"(<directory name="a" submiturl="&site;/a" onsubmit="&site;"/>)" +
                             R"(<directory name="b" submiturl="&site;/b"/></r>)";
    EXPECT_TRUE(LoadXml(file));
    EXPECT_THAT(Names(), ElementsAre("a", "b"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("b", "", ""),
              "http://127.0.0.1/" + std::string(200, 's') + "/b");
    EXPECT_TRUE(IsDirectoryDatabaseDocument(file));
}

TEST_F(HostileFileTest, LongChainsOfNestedEntitiesDoNotCrash)
{
    for (int depth : {30, 45, 200}) {
        SCOPED_TRACE(depth);
        std::string entities = "<!ENTITY e0 \"x\">";
        for (int i = 1; i <= depth; ++i)
            entities +=
                "<!ENTITY e" + std::to_string(i) + " \"&e" + std::to_string(i - 1) + ";y\">";
        const bool loaded = LoadXml("<!DOCTYPE r [" + entities + "]><r><directory name=\"&e" +
                                    std::to_string(depth) + ";\"/></r>");
        if (loaded)
            EXPECT_THAT(Names(), ElementsAre("x" + std::string(depth, 'y')));
        else
            EXPECT_THAT(Names(), IsEmpty());
        QueryEverything();
    }
    EXPECT_TRUE(LoadXml("<!DOCTYPE r [<!ENTITY e0 \"x\"><!ENTITY e1 \"&e0;y\">]>"
                        "<r><directory name=\"&e1;\"/></r>"));
    EXPECT_THAT(Names(), ElementsAre("xy"));
}

TEST_F(HostileFileTest, DeepNestingIsRefused)
{
    const int depth = 100'000;
    std::string file = "<r>";
    for (int i = 0; i < depth; ++i)
        file += "<directory name=\"d\">";
    for (int i = 0; i < depth; ++i)
        file += "</directory>";
    file += "</r>";
    EXPECT_FALSE(LoadXml(file));
    EXPECT_FALSE(IsDirectoryDatabaseDocument(file));
    QueryEverything();
}

TEST_F(HostileFileTest, ShallowNestingStillLoads)
{
    std::string nested;
    for (int i = 0; i < 100; ++i)
        nested += "<g>";
    for (int i = 0; i < 100; ++i)
        nested += "</g>";
    EXPECT_TRUE(LoadXml("<r><directory name=\"d\"><item>" + nested + "</item></directory></r>"));
    EXPECT_THAT(Names(), ElementsAre("d"));
}

// A small file whose variables multiply: v1 holds v2 a thousand times, so putting the variables
// in would make megabytes out of a few kilobytes. Chained further they would ask for terabytes.
TEST_F(HostileFileTest, VariablesCannotGrowATextWithoutBound)
{
    std::string manyV2;
    for (int i = 0; i < 1000; ++i)
        manyV2 += "v2";
    ASSERT_TRUE(LoadDirectories(R"(<directory name="d" submiturl="v1">
        <variable name="v1"><cond value=")" +
                                manyV2 + R"("/></variable>
        <variable name="v2"><cond value=")" +
                                std::string(2000, 'x') + R"("/></variable>
        <item name="a" index="0" value="kept" type="edit"/>
        <item name="b" index="0" value="v1" type="edit"/>
        <item name="c" index="0" value="never" type="edit"/>
        </directory>)"));
    EXPECT_EQ(m_database.GetDirectorySubmitPage("d", "", ""), "");
    EXPECT_THAT(Items("d"), ElementsAre(FormField{"a", FieldType::Edit, 0, "kept"}));
    EXPECT_THAT(
        m_presenter.messages,
        ElementsAre(Message{"Error while GetDirectorySubmitPage", "Error", MessageIcon::Error},
                    Message{"Error while GetDirectorySubmitPage", "d", MessageIcon::Error}));
}

TEST(UntrustedXmlTest, RecognisesDirectoryDatabases)
{
    EXPECT_TRUE(IsDirectoryDatabaseDocument("<r/>"));
    EXPECT_TRUE(
        IsDirectoryDatabaseDocument(R"(<?xml version="1.0"?><r><directory name="d"/></r>)"));
    EXPECT_FALSE(IsDirectoryDatabaseDocument("<R/>"));
    EXPECT_FALSE(IsDirectoryDatabaseDocument(R"(<r xmlns="urn:x"/>)"));
    EXPECT_FALSE(IsDirectoryDatabaseDocument("<html><body>Update</body></html>"));
    EXPECT_FALSE(IsDirectoryDatabaseDocument("<!DOCTYPE html><html><body>404<br></body></html>"));
    EXPECT_FALSE(IsDirectoryDatabaseDocument(""));
    EXPECT_FALSE(IsDirectoryDatabaseDocument("<r>"));
    EXPECT_FALSE(IsDirectoryDatabaseDocument(R"(<p:r xmlns:p="urn:p"/>)"));
    EXPECT_TRUE(IsDirectoryDatabaseDocument("<!DOCTYPE r><r/>"));
    EXPECT_TRUE(IsDirectoryDatabaseDocument("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r/>"));
    EXPECT_NE(ParseUntrustedXml("<other/>"), nullptr);
}

} // namespace
