#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <httplib.h>
#include <memory>
#include <string>
#include <thread>

// Answers `path` with `body` three bytes at a time, every 10 ms: fast enough for any low-speed
// limit, so that only a transfer's deadline (or a cancel) ends it early. The whole body takes
// about 3.3 s per kilobyte. The flag returned tells whether a whole body was sent.
inline std::shared_ptr<std::atomic<bool>> ServeDripping(httplib::Server& server,
                                                        const std::string& path,
                                                        const std::string& body,
                                                        const char* contentType = "text/xml")
{
    auto sent = std::make_shared<std::atomic<bool>>(false);
    server.Get(path, [=](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            contentType, [body, sent](size_t offset, httplib::DataSink& sink) {
                if (offset >= body.size()) {
                    *sent = true;
                    sink.done();
                    return true;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                // False once the client has hung up.
                return sink.write(body.data() + offset, std::min<size_t>(3, body.size() - offset));
            });
    });
    return sent;
}
