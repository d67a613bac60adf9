#include "directory_check/AnswerReader.h"

#include "common/AsciiCase.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace {

// The status of a status line ("HTTP/1.1 200 OK", "HTTP/2 301"); nullopt for another line.
std::optional<long> StatusOf(std::string_view line)
{
    if (line.substr(0, 5) != "HTTP/")
        return std::nullopt;
    const size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return std::nullopt;
    const std::string status(line.substr(space + 1, 3));
    return std::strtol(status.c_str(), nullptr, 10);
}

// The value of a header line named `name`, without the spaces around it; nullopt for another.
std::optional<std::string_view> HeaderValue(std::string_view line, std::string_view name)
{
    if (line.size() <= name.size() || line[name.size()] != ':' ||
        !EqualsNoCase(line.substr(0, name.size()), name))
        return std::nullopt;
    std::string_view value = line.substr(name.size() + 1);
    const size_t first = value.find_first_not_of(" \t");
    const size_t last = value.find_last_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view()
                                           : value.substr(first, last - first + 1);
}

} // namespace

CAnswerReader::CAnswerReader(uint64_t maxBytes) : m_maxBytes(maxBytes) {}

bool CAnswerReader::OnHeaderLine(std::string_view line, const std::string& address)
{
    if (const std::optional<long> status = StatusOf(line)) {
        // "A user agent MAY ignore unexpected 1xx status responses": the final answer follows.
        m_interim = *status >= 100 && *status < 200;
        if (!m_interim) {
            m_answer.statuses.push_back(*status);
            m_answer.lastAddressAnswered = true;
            m_address = address;
            m_location.clear();
        }
        return true;
    }
    if (line == "\r\n" || line == "\n")
        return EndOfHeaders();
    if (const std::optional<std::string_view> location = HeaderValue(line, "Location");
        location && !m_interim)
        m_location = *location;
    return true;
}

bool CAnswerReader::EndOfHeaders()
{
    if (std::exchange(m_interim, false))
        return true;
    const long status = m_answer.LastStatus();
    if (status < 300 || status >= 400 || m_location.empty())
        return true;
    // libcurl follows the redirect: the next address has not answered yet. A redirect seen
    // before ends in a loop; one from an address seen before to a new place may not (a site
    // that sets a cookie and sends the browser back).
    m_answer.lastAddressAnswered = false;
    if (m_redirectsSeen.insert(m_address + '\n' + m_location).second)
        return true;
    m_answer.redirectLoop = true;
    return false;
}

bool CAnswerReader::LastAnswerIsPage() const
{
    const long status = m_answer.LastStatus();
    return status >= 200 && status < 300;
}

bool CAnswerReader::OnBody(std::string_view bytes)
{
    // An error page need not be read, and a page's first megabytes hold its form.
    std::string& body = m_answer.body;
    const uint64_t room = m_maxBytes > body.size() ? m_maxBytes - body.size() : 0;
    if (LastAnswerIsPage() && bytes.size() <= room) {
        body.append(bytes);
        return true;
    }
    if (LastAnswerIsPage())
        body.append(bytes.substr(0, static_cast<size_t>(room)));
    m_stoppedReading = true;
    return false;
}
