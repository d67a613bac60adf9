// What a check says of each kind of answer a directory's address can give.
#include "CheckFixture.h"
#include "support/RawHttpServer.h"

#include <gmock/gmock.h>

namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;

// The servers a row may set up; the page comes from the raw one when the row gave it answers.
struct Servers
{
    httplib::Server& http;
    RawHttpServer& raw;
    Gate& gate;
};

using Setup = std::function<void(Servers&)>;

Setup Page(std::string html)
{
    return [html](Servers& servers) {
        servers.http.Get("/page", [html](const httplib::Request&, httplib::Response& response) {
            response.set_content(html, "text/html");
        });
    };
}

// The page in pieces, without a Content-Length.
Setup PageInPieces(std::string html)
{
    return [html](Servers& servers) {
        servers.http.Get("/page", [html](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "text/html", [html](size_t offset, httplib::DataSink& sink) {
                    if (offset >= html.size())
                        sink.done();
                    else
                        sink.write(html.data() + offset,
                                   std::min<size_t>(64 * 1024, html.size() - offset));
                    return true;
                });
        });
    };
}

// A form page larger than a check reads: the form first, then the rest of 5 MB.
std::string LargePage()
{
    return FormPage({"url"}) + "<!--" + std::string(size_t{5} << 20, 'x') + "-->";
}

Setup Status(int status)
{
    return [status](Servers& servers) {
        servers.http.Get("/page", [status](const httplib::Request&, httplib::Response& response) {
            response.status = status;
            response.set_content("<html><body><form><input name=\"url\"></form></body></html>",
                                 "text/html");
        });
    };
}

void ServeForm(httplib::Server& server, const char* path)
{
    server.Get(path, [](const httplib::Request&, httplib::Response& response) {
        response.set_content(FormPage({"url"}), "text/html");
    });
}

Setup RedirectTo(int status, std::string location)
{
    return [status, location](Servers& servers) {
        servers.http.Get("/page", [=](const httplib::Request&, httplib::Response& response) {
            response.set_redirect(location, status);
        });
        ServeForm(servers.http, "/new");
    };
}

// `count` redirects from /page, each to a new address, the last to the form at /new.
Setup Redirects(int count)
{
    return [count](Servers& servers) {
        const auto hop = [count](int number) {
            return number < count ? "/hop" + std::to_string(number) : std::string("/new");
        };
        servers.http.Get("/page", [hop](const httplib::Request&, httplib::Response& response) {
            response.set_redirect(hop(1));
        });
        servers.http.Get(R"(/hop(\d+))",
                         [hop](const httplib::Request& request, httplib::Response& response) {
                             response.set_redirect(hop(std::stoi(request.matches[1]) + 1));
                         });
        ServeForm(servers.http, "/new");
    };
}

// Each path answered with the bytes given, by the raw server.
Setup Raw(std::map<std::string, RawHttpServer::Answer> answers)
{
    return [answers](Servers& servers) {
        for (const auto& [path, answer] : answers)
            servers.raw.Set(path, answer);
    };
}

RawHttpServer::Answer RawPage(const std::string& html)
{
    return {"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
            std::to_string(html.size()) + "\r\nConnection: close\r\n\r\n" + html};
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
    RawHttpServer raw;
    Servers servers{m_server.server, raw, m_gate};
    row.setup(servers);
    m_server.Start();
    raw.Start();
    const auto url = [&](const std::string& path) {
        return raw.HasAnswers() ? raw.Url(path) : m_server.Url(path);
    };
    const DirectoryCheckTarget target{"Directory", url("/page"), row.fields};
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
        EXPECT_EQ(DirectoryCheckMessage(result), "");
    else
        EXPECT_THAT(DirectoryCheckMessage(result), HasSubstr(row.message));
    EXPECT_EQ(result.name, "Directory");
    EXPECT_EQ(result.address, target.address);
    if (row.finalPath)
        EXPECT_EQ(result.finalAddress, url(row.finalPath));
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
        AnswerRow{"LoopOfTwo",
                  [](Servers& servers) {
                      servers.http.Get("/page", [](const httplib::Request&, httplib::Response& r) {
                          r.set_redirect("/other");
                      });
                      servers.http.Get("/other", [](const httplib::Request&, httplib::Response& r) {
                          r.set_redirect("/page");
                      });
                  },
                  {},
                  DirectoryCheckStatus::Unreachable,
                  302,
                  {},
                  "The address redirects in a loop.",
                  nullptr},
        // Browsers follow up to 20 redirects.
        AnswerRow{"SixRedirects",
                  Redirects(6),
                  {Field("url")},
                  DirectoryCheckStatus::Ok,
                  200,
                  {},
                  "",
                  "/new"},
        AnswerRow{"TwentyRedirects",
                  Redirects(20),
                  {Field("url")},
                  DirectoryCheckStatus::Ok,
                  200,
                  {},
                  "",
                  "/new"},
        AnswerRow{"TwentyOneRedirects",
                  Redirects(21),
                  {Field("url")},
                  DirectoryCheckStatus::Unreachable,
                  302,
                  {},
                  "The address redirects more than 20 times.",
                  nullptr},
        // Only the first 4 MB are read, whether the server says how long the page is or not.
        AnswerRow{"LargePageWithLength",
                  Page(LargePage()),
                  {Field("url")},
                  DirectoryCheckStatus::Ok,
                  200,
                  {},
                  ""},
        AnswerRow{"LargePageWithoutLength",
                  PageInPieces(LargePage()),
                  {Field("url")},
                  DirectoryCheckStatus::Ok,
                  200,
                  {},
                  ""},
        // A server that answered is there: the broken answer may pass.
        AnswerRow{"ResetAfterOk",
                  Raw({{"/page",
                        {"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                         "Content-Length: 100000\r\n\r\n<html><body><form><input name=\"url\">",
                         true}}}),
                  {Field("url")},
                  DirectoryCheckStatus::ServerError,
                  200,
                  {},
                  "The server answered (200), then the connection broke."},
        AnswerRow{"EarlyHintsBeforeAMove",
                  Raw({{"/page",
                        {"HTTP/1.1 103 Early Hints\r\nLink: </style.css>; rel=preload\r\n\r\n"
                         "HTTP/1.1 301 Moved Permanently\r\nLocation: /new\r\n"
                         "Content-Length: 0\r\nConnection: close\r\n\r\n"}},
                       {"/new", RawPage(FormPage({"url"}))}}),
                  {Field("url")},
                  DirectoryCheckStatus::Moved,
                  200,
                  {},
                  "Moved to http://127.0.0.1:",
                  "/new"},
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
                  [](Servers& servers) {
                      servers.http.Get("/page",
                                       [&gate = servers.gate](const httplib::Request&,
                                                              httplib::Response& response) {
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
