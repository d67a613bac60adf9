// kestrine-demo-site: Kestrine's demo vendor site and RSS directories on 127.0.0.1.
#include "DemoSite.h"

#include <cstdlib>
#include <iostream>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <signal.h>
#include <string>
#include <string_view>

namespace {

constexpr int kDefaultPort = 8431;

void PrintUsage()
{
    std::cerr << "usage: kestrine-demo-site [--port N]\n"
                 "Serves Kestrine's demo vendor site and RSS directories on 127.0.0.1, port "
              << kDefaultPort << " unless told otherwise, until interrupted.\n";
}

std::optional<int> ParsePort(int argc, char** argv)
{
    if (argc == 1)
        return kDefaultPort;
    if (argc != 3 || std::string_view(argv[1]) != "--port")
        return std::nullopt;
    const std::string text = argv[2];
    size_t used = 0;
    try {
        const int port = std::stoi(text, &used);
        if (used == text.size() && port > 0 && port < 65536)
            return port;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<int> port = ParsePort(argc, argv);
    if (!port) {
        PrintUsage();
        return EXIT_FAILURE;
    }

    // Blocked before the server's threads exist, so that they inherit the mask and the signals
    // wait for sigwait below instead of ending the process in the middle of a request.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::mutex outputMutex;
    CDemoSite site([&outputMutex](const std::string& line) {
        std::lock_guard lock(outputMutex);
        std::cout << line << std::endl;
    });
    if (!site.Start(*port)) {
        std::cerr << "kestrine-demo-site: cannot listen on 127.0.0.1:" << *port << "\n";
        return EXIT_FAILURE;
    }
    {
        std::lock_guard lock(outputMutex);
        std::cout << "Kestrine demo site on http://" << site.HostAndPort() << "/ (Ctrl+C stops it)"
                  << std::endl;
    }

    int received = 0;
    sigwait(&stopSignals, &received);
    site.Stop();
    std::cout << "Stopped." << std::endl;
    return EXIT_SUCCESS;
}
