#include "directory_check/DirectoryCheckFinding.h"

#include <array>
#include <utility>

namespace {

constexpr std::array kNames{
    std::pair{DirectoryCheckFinding::None, ""},
    std::pair{DirectoryCheckFinding::RedirectLoop, "redirect_loop"},
    std::pair{DirectoryCheckFinding::NoAnswerInTime, "no_answer_in_time"},
    std::pair{DirectoryCheckFinding::StoppedAnswering, "stopped_answering"},
    std::pair{DirectoryCheckFinding::HostNotFound, "host_not_found"},
    std::pair{DirectoryCheckFinding::ConnectionRefused, "connection_refused"},
    std::pair{DirectoryCheckFinding::TooManyRedirects, "too_many_redirects"},
    std::pair{DirectoryCheckFinding::NotHttp, "not_http"},
    std::pair{DirectoryCheckFinding::NoSecureConnection, "no_secure_connection"},
    std::pair{DirectoryCheckFinding::FetchFailed, "fetch_failed"},
    std::pair{DirectoryCheckFinding::AnswerBroke, "answer_broke"},
    std::pair{DirectoryCheckFinding::AnswerCutShort, "answer_cut_short"},
    std::pair{DirectoryCheckFinding::AnswerFailed, "answer_failed"},
    std::pair{DirectoryCheckFinding::NotFoundAnswer, "not_found_answer"},
    std::pair{DirectoryCheckFinding::RefusedAnswer, "refused_answer"},
    std::pair{DirectoryCheckFinding::ServerErrorAnswer, "server_error_answer"},
    std::pair{DirectoryCheckFinding::UnexpectedAnswer, "unexpected_answer"},
    std::pair{DirectoryCheckFinding::FieldsMissing, "fields_missing"},
    std::pair{DirectoryCheckFinding::FieldsMissingScript, "fields_missing_script"},
    std::pair{DirectoryCheckFinding::Moved, "moved"},
};

} // namespace

const char* FindingName(DirectoryCheckFinding finding)
{
    for (const auto& [known, name] : kNames) {
        if (known == finding)
            return name;
    }
    return "";
}

std::optional<DirectoryCheckFinding> FindingFromName(const std::string& name)
{
    for (const auto& [finding, known] : kNames) {
        if (name == known)
            return finding;
    }
    return std::nullopt;
}
