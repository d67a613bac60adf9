#pragma once

#include "support/FileBytes.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingPresenter.h"
#include "support/WaitUntil.h"
#include "ui/main_window/SubmitterDlg.h"

#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

// A data folder of its own, a vendor site on 127.0.0.1 and recorders for every message, so
// that a test runs a whole main window without touching anything outside its temporary folder.
// Set routes on `server` before calling Start().
class SubmitterTestEnvironment
{
public:
    SubmitterTestEnvironment()
    {
        server.server.Get("/updates/", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><body>Start page</body></html>", "text/html");
        });
        // One page at a time, as the window works with working ahead off: a test that follows
        // one directory's page is not to meet others loading beside it. The tests of working
        // ahead turn it on.
        SetReadyTabs(0);
    }

    void SetReadyTabs(int readyTabs, bool keepFinishedTabs = false) const
    {
        WriteProgramFile("kestrine.conf",
                         "[tabs]\nready=" + std::to_string(readyTabs) +
                             "\nkeepFinished=" + (keepFinishedTabs ? "true" : "false") + "\n");
    }

    void Start() { server.Start(); }

    std::string ProgramFolder() const { return m_folder.path().toStdString() + '/'; }

    void WriteProgramFile(const std::string& name, const std::string& bytes) const
    {
        WriteWholeFile(ProgramFolder() + name, bytes);
    }

    // The file's bytes, or nullopt when it does not exist.
    std::optional<std::string> ReadProgramFile(const std::string& name) const
    {
        const std::string path = ProgramFolder() + name;
        if (!std::filesystem::exists(path))
            return std::nullopt;
        return ReadWholeFile(path);
    }

    // What the main window is built with; the clock reads `now`.
    SubmitterEnvironment Environment()
    {
        SubmitterEnvironment environment;
        environment.dataFolder = DataFolder::At(ProgramFolder());
        environment.vendorHost = server.HostAndPort();
        environment.clock = [this] { return now; };
        environment.windowMessages = &windowMessages;
        environment.databaseMessages = &databaseMessages;
        return environment;
    }

    // Waits until the server has answered a request for `path` (`count` of them in all) and
    // returns the last one; nullopt on timeout.
    std::optional<LocalHttpServer::Request>
    WaitForRequest(const std::string& path, size_t count = 1, int timeoutMs = 15000) const
    {
        std::optional<LocalHttpServer::Request> last;
        const bool answered = WaitUntil(
            [&] {
                size_t seen = 0;
                for (const LocalHttpServer::Request& request : server.Requests()) {
                    if (request.path == path) {
                        ++seen;
                        last = request;
                    }
                }
                return seen >= count;
            },
            timeoutMs);
        return answered ? last : std::nullopt;
    }

    size_t RequestCount(const std::string& path) const
    {
        size_t seen = 0;
        for (const LocalHttpServer::Request& request : server.Requests())
            seen += request.path == path;
        return seen;
    }

    LocalHttpServer server;
    RecordingPresenter windowMessages;
    RecordingPresenter databaseMessages;
    uint32_t now = 0;

private:
    QTemporaryDir m_folder;
};

// sv.dat's lines, each ended by CR LF as the program writes them.
inline std::string StateFileLines(std::initializer_list<std::string> lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// One profile block of sv.dat with the given name, category and sent directories (sorted as the
// program writes them); the other fields are derived from the name.
inline std::string ProfileBlock(const std::string& name, const std::string& cat,
                                std::initializer_list<std::string> sent = {})
{
    std::string block =
        StateFileLines({name, "http://" + name + ".example/feed.xml", name + " title",
                        name + " description", cat, "", name + " keywords", name + "@example.com",
                        "First", "Last", std::to_string(sent.size())});
    for (const std::string& directory : sent)
        block += directory + "\r\n";
    return block;
}

// A dirdata.xml holding the given <directory> elements.
inline std::string DirectoryDatabaseXml(std::initializer_list<std::string> directories)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n";
    for (const std::string& directory : directories)
        xml += directory + '\n';
    return xml + "</r>\n";
}

// A <directory> whose submission page is `submitUrl` and which has no fields or variables.
inline std::string PlainDirectory(const std::string& name, const std::string& submitUrl)
{
    return "<directory name=\"" + name + "\" submiturl=\"" + submitUrl +
           "\" onsubmit=\"Thank you\"/>";
}
