#pragma once

#include "directory_check/PageAnswer.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

// Reads what one transfer brings as libcurl hands it over: the status of each final answer
// (interim 1xx answers such as 103 Early Hints are passed over), a redirect that comes round
// again, and the body of a page up to a cap.
class CAnswerReader final
{
public:
    explicit CAnswerReader(uint64_t maxBytes);

    // One header line, the status line and the blank line that ends the headers included, of
    // the answer from `address`. False: the transfer goes in a loop and must stop.
    bool OnHeaderLine(std::string_view line, const std::string& address);
    // A piece of the body. False: the rest is not worth reading (not a page, or the cap is
    // reached), and the transfer must stop.
    bool OnBody(std::string_view bytes);

    // The body was left unread on purpose: the transfer stopped, but did not fail.
    bool StoppedReading() const { return m_stoppedReading; }
    PageAnswer& Answer() { return m_answer; }

private:
    bool LastAnswerIsPage() const;
    bool EndOfHeaders();

    uint64_t m_maxBytes;
    PageAnswer m_answer;
    bool m_stoppedReading = false;
    bool m_interim = false;                // the headers being read are those of a 1xx answer
    std::string m_address;                 // of the final answer being read
    std::string m_location;                // its Location header, as sent
    std::set<std::string> m_redirectsSeen; // address and Location of each redirect so far
};
