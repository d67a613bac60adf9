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

std::string UserPart(int index)
{
    std::string part = R"(<p style="margin-top: 2000px"><label for="word">Type the word in the )"
                       R"(picture</label> <input id="word" name="word" required></p>)";
    if (SlowDirectorySites::AsksAgreement(index))
        part += R"(<p><label><input type="checkbox" name="agree" required> I agree to the )"
                R"(terms</label></p>)";
    return part;
}

std::string FormPage(int index, bool askUser)
{
    return "<!DOCTYPE html><html><head><title>Submit to " + SlowDirectorySites::Name(index) +
           R"(</title></head><body>
<form id="submission" action=")" +
           std::string(kResultPath) + R"(" method="post">
  <input name="url"><input name="title"><textarea name="description"></textarea>
  <input name="email">)" +
           (askUser ? UserPart(index) : std::string()) +
           R"(<button id="send" type="submit">Submit your feed</button>
</form></body></html>)";
}

// A site that asks the user confirms only a submission with the right answers.
std::string ResultPage(int index, bool askUser, const httplib::Request& request)
{
    const bool answered =
        !askUser || (request.get_param_value("word") == SlowDirectorySites::Word(index) &&
                     (!SlowDirectorySites::AsksAgreement(index) || request.has_param("agree")));
    return "<!DOCTYPE html><html><body><p>" +
           (answered ? SlowDirectorySites::Confirmation(index) : std::string("Wrong answer")) +
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

SlowDirectorySites::SlowDirectorySites(int count, int answerDelayMs, bool askUser)
{
    for (int index = 0; index < count; ++index) {
        auto site = std::make_unique<LocalHttpServer>();
        site->server.new_task_queue = [] { return new httplib::ThreadPool(kThreadsPerSite); };
        const auto wait = [answerDelayMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(answerDelayMs));
        };
        site->server.Get(kSubmitPath, [wait, page = FormPage(index, askUser)](
                                          const httplib::Request&, httplib::Response& response) {
            wait();
            response.set_content(page, "text/html");
        });
        site->server.Post(kResultPath, [wait, index, askUser](const httplib::Request& request,
                                                              httplib::Response& response) {
            wait();
            response.set_content(ResultPage(index, askUser, request), "text/html");
        });
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

std::string SlowDirectorySites::Word(int index)
{
    return "kestrel" + std::to_string(index + 1);
}

bool SlowDirectorySites::AsksAgreement(int index)
{
    return index % 3 == 1;
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
