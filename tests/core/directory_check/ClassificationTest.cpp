// What a check says of each kind of answer a directory's address can give.
#include "CheckFixture.h"

#include <gmock/gmock.h>

namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;

using Setup = std::function<void(httplib::Server&, Gate&)>;

Setup Page(std::string html)
{
    return [html](httplib::Server& server, Gate&) {
        server.Get("/page", [html](const httplib::Request&, httplib::Response& response) {
            response.set_content(html, "text/html");
        });
    };
}

Setup Status(int status)
{
    return [status](httplib::Server& server, Gate&) {
        server.Get("/page", [status](const httplib::Request&, httplib::Response& response) {
            response.status = status;
            response.set_content("<html><body><form><input name=\"url\"></form></body></html>",
                                 "text/html");
        });
    };
}

Setup RedirectTo(int status, std::string location)
{
    return [status, location](httplib::Server& server, Gate&) {
        server.Get("/page", [=](const httplib::Request&, httplib::Response& response) {
            response.set_redirect(location, status);
        });
        server.Get("/new", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(FormPage({"url"}), "text/html");
        });
    };
}

struct AnswerRow
{
    const char* label;
    Setup setup;
    std::vector<FormField> fields;
    DirectoryCheckStatus status;
    long httpStatus;
    std::vector<std::string> missing;
    std::string message;             // a part of it; empty: none at all
    const char* finalPath = "/page"; // null: not compared
    bool serverStopped = false;      // the address points at a closed port
};

void PrintTo(const AnswerRow& row, std::ostream* out)
{
    *out << row.label;
}

FormField Field(const char* name, int32_t index = 0)
{
    return {name, FieldType::Edit, index, "#url#"};
}

class ClassificationTest : public CheckFixture, public ::testing::WithParamInterface<AnswerRow>
{
};

TEST_P(ClassificationTest, JudgesTheAnswer)
{
    const AnswerRow& row = GetParam();
    row.setup(m_server.server, m_gate);
    m_server.Start();
    const DirectoryCheckTarget target = Target("Directory", "/page", row.fields);
    if (row.serverStopped)
        m_server.Stop();

    std::vector<DirectoryCheckResult> results;
    CDirectoryChecker checker(ShortOptions(), CCurlLibrary::Shared(), [] { return int64_t{42}; });
    EXPECT_TRUE(checker.Run({target}, [&](size_t index, const DirectoryCheckResult& result) {
        EXPECT_EQ(index, 0u);
        results.push_back(result);
    }));

    ASSERT_EQ(results.size(), 1u);
    const DirectoryCheckResult& result = results[0];
    EXPECT_EQ(StatusName(result.status), std::string(StatusName(row.status)));
    EXPECT_EQ(result.httpStatus, row.httpStatus);
    EXPECT_EQ(result.missingFields, row.missing);
    if (row.message.empty())
        EXPECT_EQ(result.message, "");
    else
        EXPECT_THAT(result.message, HasSubstr(row.message));
    EXPECT_EQ(result.name, "Directory");
    EXPECT_EQ(result.address, target.address);
    if (row.finalPath)
        EXPECT_EQ(result.finalAddress, m_server.Url(row.finalPath));
    EXPECT_EQ(result.checkedUtcMs, 42);
}

const std::string kScriptPage =
    "<html><head><script>document.write('<form>')</script></head><body></body></html>";
const std::string kPageWithIdAndTwins =
    "<html><body><form><input name=\"cat\"><select name=\"cat\"></select>"
    "<textarea id=\"desc\"></textarea></form></body></html>";

INSTANTIATE_TEST_SUITE_P(
    Answers, ClassificationTest,
    ::testing::Values(
        AnswerRow{"Ok",
                  Page(FormPage({"url", "email"})),
                  {Field("url"), Field("email")},
                  DirectoryCheckStatus::Ok,
                  200,
                  {},
                  ""},
        AnswerRow{"OkByIdAndIndex",
                  Page(kPageWithIdAndTwins),
                  {Field("cat", 1), Field("desc")},
                  DirectoryCheckStatus::Ok,
                  200,
                  {},
                  ""},
        AnswerRow{"IndexBeyondTheElements",
                  Page(kPageWithIdAndTwins),
                  {Field("cat", 2), Field("desc")},
                  DirectoryCheckStatus::FormChanged,
                  200,
                  {"cat"},
                  "Fields missing: cat."},
        AnswerRow{"FormChanged",
                  Page(FormPage({"url"})),
                  {Field("url"), Field("email")},
                  DirectoryCheckStatus::FormChanged,
                  200,
                  {"email"},
                  "Fields missing: email."},
        AnswerRow{"MadeByScript",
                  Page(kScriptPage),
                  {Field("url")},
                  DirectoryCheckStatus::FormChanged,
                  200,
                  {"url"},
                  "(fields may be made by script)"},
        AnswerRow{"MovedForGood",
                  RedirectTo(301, "/new"),
                  {Field("url")},
                  DirectoryCheckStatus::Moved,
                  200,
                  {},
                  "Moved to http://127.0.0.1:",
                  "/new"},
        AnswerRow{"MovedForAWhile",
                  RedirectTo(302, "/new"),
                  {Field("url")},
                  DirectoryCheckStatus::Ok,
                  200,
                  {},
                  "",
                  "/new"},
        AnswerRow{"NotFound",
                  Status(404),
                  {Field("url")},
                  DirectoryCheckStatus::NotFound,
                  404,
                  {},
                  "Not found (404)"},
        AnswerRow{
            "Gone", Status(410), {}, DirectoryCheckStatus::NotFound, 410, {}, "Not found (410)"},
        AnswerRow{"ServerError",
                  Status(503),
                  {},
                  DirectoryCheckStatus::ServerError,
                  503,
                  {},
                  "Server error (503)"},
        AnswerRow{
            "Forbidden", Status(403), {}, DirectoryCheckStatus::Refused, 403, {}, "Refused (403)"},
        AnswerRow{"TooManyRequests",
                  Status(429),
                  {},
                  DirectoryCheckStatus::Refused,
                  429,
                  {},
                  "Refused (429)"},
        AnswerRow{"RedirectLoop",
                  RedirectTo(302, "/page"),
                  {},
                  DirectoryCheckStatus::Unreachable,
                  302,
                  {},
                  "The address redirects in a loop.",
                  nullptr},
        AnswerRow{"RedirectOffTheWeb",
                  RedirectTo(301, "ftp://127.0.0.1/dirs"),
                  {},
                  DirectoryCheckStatus::Unreachable,
                  301,
                  {},
                  "This is not an http or https address.",
                  nullptr},
        AnswerRow{"ClosedPort",
                  Page(""),
                  {},
                  DirectoryCheckStatus::Unreachable,
                  0,
                  {},
                  "The server refused the connection.",
                  "/page",
                  true},
        AnswerRow{"Hanging",
                  [](httplib::Server& server, Gate& gate) {
                      server.Get("/page",
                                 [&gate](const httplib::Request&, httplib::Response& response) {
                                     gate.Wait(10s);
                                     response.set_content(FormPage({}), "text/html");
                                 });
                  },
                  {},
                  DirectoryCheckStatus::Timeout,
                  0,
                  {},
                  "No complete answer within 500 ms."}),
    [](const ::testing::TestParamInfo<AnswerRow>& info) { return info.param.label; });

} // namespace
