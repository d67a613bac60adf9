#include "DemoSite.h"

#include "DemoDirectory.h"
#include "EmbeddedFiles.h"
#include "PageTemplate.h"
#include "SubmissionHtml.h"
#include "UpdateDatabase.h"

#include <map>
#include <optional>
#include <sys/socket.h>

namespace {

constexpr const char* kHost = "127.0.0.1";
constexpr const char* kHtml = "text/html; charset=utf-8";

struct StaticPage
{
    const char* path;
    const char* file;
    const char* contentType;
};

const StaticPage kVendorPages[] = {
    {"/", "site/home.html", kHtml},
    {"/updates/", "site/updates/index.html", kHtml},
    {"/faqs/help.shtml", "site/faqs/help.shtml", kHtml},
    {"/contact/", "site/contact/index.html", kHtml},
    {"/style.css", "site/style.css", "text/css; charset=utf-8"},
};

// Routes are regular expressions to the server; the site's paths are meant literally.
std::string LiteralPath(std::string_view path)
{
    constexpr std::string_view special = "\\^$.|?*+()[]{}";
    std::string pattern;
    for (const char c : path) {
        if (special.find(c) != std::string_view::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

// Every file the site names is embedded by the build, so a missing one is a broken build.
std::string_view SiteFile(const std::string& path)
{
    return EmbeddedFile(path).value();
}

using Blocks = std::map<std::string, std::string, std::less<>>;

// A page with {{param:NAME}} marks replaced by the request's (escaped) values and other marks
// by `blocks`.
std::string RenderPage(const std::string& file, const httplib::Request& request,
                       const Blocks& blocks = {})
{
    return page_template::Render(
        SiteFile(file), [&](std::string_view key) -> std::optional<std::string> {
            constexpr std::string_view param = "param:";
            if (key.starts_with(param))
                return page_template::EscapeHtml(
                    request.get_param_value(std::string(key.substr(param.size()))));
            const auto block = blocks.find(key);
            if (block == blocks.end())
                return std::nullopt;
            return block->second;
        });
}

// The fields of a query string, of a url-encoded body and of a multipart body alike.
std::multimap<std::string, std::string> ReceivedFields(const httplib::Request& request)
{
    std::multimap<std::string, std::string> fields = request.params;
    for (const auto& [name, part] : request.files)
        fields.emplace(name, part.content);
    return fields;
}

std::string DirectoryPage(const DemoDirectory& directory, const char* page)
{
    return "site/directories/" + std::string(directory.folder) + "/" + page;
}

} // namespace

CDemoSite::CDemoSite(RequestLog log) : m_log(std::move(log))
{
    // Unlike the library's default (SO_REUSEPORT), a second demo site cannot take the port of a
    // running one and silently split its requests with it.
    m_server.set_socket_options([](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    // Short keep-alive, so that stopping does not wait long on a browser's idle connections.
    m_server.set_keep_alive_timeout(1);
    m_server.set_payload_max_length(1 << 20);
    m_server.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        if (m_log)
            m_log(request.method + " " + request.target + " " + std::to_string(response.status));
    });
    m_server.set_error_handler([](const httplib::Request& request, httplib::Response& response) {
        if (response.status == 404 && response.body.empty())
            response.set_content(RenderPage("site/not-found.html", request), kHtml);
    });
    AddVendorPages();
    for (const DemoDirectory& directory : DemoDirectories())
        AddDirectory(directory);
    for (const DemoDirectory& directory : LearnableDemoDirectories())
        AddDirectory(directory);
}

CDemoSite::~CDemoSite()
{
    Stop();
}

bool CDemoSite::Start(int port)
{
    if (port == 0)
        port = m_server.bind_to_any_port(kHost);
    else if (!m_server.bind_to_port(kHost, port))
        port = -1;
    if (port <= 0)
        return false;
    m_port = port;
    // The socket listens once bound, so the site answers before the thread has even started.
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // A stop that came before the server loop began would be lost and leave the thread running.
    while (!m_server.is_running())
        std::this_thread::yield();
    return true;
}

void CDemoSite::Stop()
{
    {
        std::lock_guard lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopSignal.notify_all();
    if (m_thread.joinable()) {
        m_server.stop();
        m_thread.join();
    }
}

std::string CDemoSite::HostAndPort() const
{
    return std::string(kHost) + ":" + std::to_string(m_port);
}

void CDemoSite::AddVendorPages()
{
    for (const StaticPage& page : kVendorPages) {
        m_server.Get(LiteralPath(page.path),
                     [page](const httplib::Request& request, httplib::Response& response) {
                         response.set_content(RenderPage(page.file, request), page.contentType);
                     });
    }
    m_server.Get(LiteralPath("/updates/demo.xml"), [this](const httplib::Request&,
                                                          httplib::Response& response) {
        response.set_content(MakeUpdateDatabase(SiteFile("dirdata.xml"),
                                                SiteFile("update-addition.xml"), HostAndPort()),
                             "application/xml");
    });
    m_server.Get(LiteralPath("/submissions"), [this](const httplib::Request& request,
                                                     httplib::Response& response) {
        const Blocks list{{"submissions", submission_html::SubmissionList(Submissions())}};
        response.set_content(RenderPage("site/submissions.html", request, list), kHtml);
    });
}

void CDemoSite::AddDirectory(const DemoDirectory& directory)
{
    m_server.Get(LiteralPath(directory.formPath), [&directory](const httplib::Request& request,
                                                               httplib::Response& response) {
        response.set_content(RenderPage(DirectoryPage(directory, "form.html"), request), kHtml);
    });
    auto receive = [this, &directory](const httplib::Request& request,
                                      httplib::Response& response) {
        Receive(directory, request, response);
    };
    if (directory.method == FormMethod::Post)
        m_server.Post(LiteralPath(directory.actionPath), receive);
    else
        m_server.Get(LiteralPath(directory.actionPath), receive);
}

void CDemoSite::Receive(const DemoDirectory& directory, const httplib::Request& request,
                        httplib::Response& response)
{
    DemoSubmission submission{std::string(directory.name), request.method, ReceivedFields(request),
                              !directory.refusesSubmissions};
    const Blocks received{{"received", submission_html::FieldsTable(submission.fields)}};
    m_submissions.Add(std::move(submission));
    if (!WaitUnlessStopping(directory.answerDelay)) {
        response.status = 503;
        return;
    }
    response.set_content(RenderPage(DirectoryPage(directory, "result.html"), request, received),
                         kHtml);
}

bool CDemoSite::WaitUnlessStopping(std::chrono::milliseconds delay)
{
    std::unique_lock lock(m_stopMutex);
    return !m_stopSignal.wait_for(lock, delay, [this] { return m_stopping; });
}
