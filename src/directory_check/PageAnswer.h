#pragma once

#include <curl/curl.h>
#include <string>
#include <vector>

// How fetching one submission address ended, as the classification needs it.
struct PageAnswer
{
    CURLcode code = CURLE_OK;   // CURLE_OK too when the checker stopped reading on purpose
    std::vector<long> statuses; // of every final answer, redirects first, the last one last
    std::string finalAddress;
    std::string body;            // of a 2xx answer, perhaps cut at the size limit
    bool deadlinePassed = false; // a timeout at the deadline rather than a stall
    bool redirectLoop = false;   // an address redirected to the same place a second time
    // The last address asked had begun to answer (its status came) when the transfer ended:
    // a failure then is the server's, not a sign that it is gone.
    bool lastAddressAnswered = false;

    long LastStatus() const { return statuses.empty() ? 0 : statuses.back(); }
};
