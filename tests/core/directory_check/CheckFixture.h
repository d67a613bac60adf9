#pragma once

#include "directory_check/DirectoryCheckMessage.h"
#include "directory_check/DirectoryChecker.h"
#include "support/Gate.h"
#include "support/LocalHttpServer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

// A local server whose pages the tests script, and targets aimed at it.
class CheckFixture : public ::testing::Test
{
protected:
    void TearDown() override
    {
        m_gate.Open();
        m_server.Stop();
    }

    // A page answering 200 with the given body.
    void ServePage(const std::string& path, const std::string& html)
    {
        m_server.server.Get(path, [html](const httplib::Request&, httplib::Response& response) {
            response.set_content(html, "text/html");
        });
    }

    DirectoryCheckTarget Target(const std::string& name, const std::string& path,
                                std::vector<FormField> fields = {}) const
    {
        return {name, m_server.Url(path), std::move(fields)};
    }

    // Short enough that a page that never answers ends the test quickly.
    static DirectoryCheckOptions ShortOptions()
    {
        using namespace std::chrono_literals;
        DirectoryCheckOptions options;
        options.limits.connectTimeout = 2s;
        options.limits.deadline = 500ms;
        return options;
    }

    LocalHttpServer m_server;
    Gate m_gate;
};

// A form holding an input for each name.
inline std::string FormPage(std::initializer_list<const char*> names)
{
    std::string html = "<html><body><form action=\"/submit\">";
    for (const char* name : names)
        html += std::string("<input name=\"") + name + "\">";
    return html + "</form></body></html>";
}
