#include "SlowDirectorySites.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// A site answers its page while a preconnected socket or two of the engine's hold threads.
constexpr int kThreadsPerSite = 4;
constexpr char kSubmitPath[] = "/submit";
constexpr char kResultPath[] = "/result";

std::string FormPage(int index)
{
    return "<!DOCTYPE html><html><head><title>Submit to " + SlowDirectorySites::Name(index) +
           R"(</title></head><body>
<form id="submission" action=")" +
           std::string(kResultPath) + R"(" method="post">
  <input name="url"><input name="title"><textarea name="description"></textarea>
  <input name="email"><button id="send" type="submit">Submit your feed</button>
</form></body></html>)";
}

std::string ResultPage(int index)
{
    return "<!DOCTYPE html><html><body><p>" + SlowDirectorySites::Confirmation(index) +
           "</p></body></html>";
}

// The engine asks every site for its icon as well.
int CountRequests(const LocalHttpServer& site, const std::string& method, const std::string& path)
{
    int count = 0;
    for (const LocalHttpServer::Request& request : site.Requests())
        count += request.method == method && request.path == path;
    return count;
}

} // namespace

SlowDirectorySites::SlowDirectorySites(int count, int answerDelayMs)
{
    for (int index = 0; index < count; ++index) {
        auto site = std::make_unique<LocalHttpServer>();
        site->server.new_task_queue = [] { return new httplib::ThreadPool(kThreadsPerSite); };
        const auto slowly = [answerDelayMs](std::string page) {
            return [answerDelayMs, page](const httplib::Request&, httplib::Response& response) {
                std::this_thread::sleep_for(std::chrono::milliseconds(answerDelayMs));
                response.set_content(page, "text/html");
            };
        };
        site->server.Get(kSubmitPath, slowly(FormPage(index)));
        site->server.Post(kResultPath, slowly(ResultPage(index)));
        site->Start();
        m_sites.push_back(std::move(site));
    }
}

std::string SlowDirectorySites::Name(int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "Directory %02d", index + 1);
    return name;
}

std::string SlowDirectorySites::Confirmation(int index)
{
    return "Thank you: " + Name(index) + " has received your feed";
}

int SlowDirectorySites::RepeatedPageLoads() const
{
    int repeated = 0;
    for (const auto& site : m_sites)
        repeated += std::max(0, CountRequests(*site, "GET", kSubmitPath) - 1);
    return repeated;
}

int SlowDirectorySites::Submissions() const
{
    int submissions = 0;
    for (const auto& site : m_sites)
        submissions += CountRequests(*site, "POST", kResultPath);
    return submissions;
}

std::string SlowDirectorySites::DirectoryDatabase() const
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n";
    for (size_t index = 0; index < m_sites.size(); ++index) {
        const int site = static_cast<int>(index);
        xml += "<directory name=\"" + Name(site) + "\" submiturl=\"" +
               m_sites[index]->Url(kSubmitPath) + "\" onsubmit=\"" + Confirmation(site) + R"(">
  <item name="url" index="0" value="#url#" type="edit"/>
  <item name="title" index="0" value="#title#" type="edit"/>
  <item name="description" index="0" value="#desc#" type="edit"/>
  <item name="email" index="0" value="#email#" type="edit"/>
</directory>
)";
    }
    return xml + "</r>\n";
}
