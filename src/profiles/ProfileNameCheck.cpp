#include "profiles/ProfileNameCheck.h"

#include <algorithm>

namespace {

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

ProfileNameProblem CheckProfileName(std::string_view name, std::string_view original,
                                    const std::vector<std::string>& namesInUse)
{
    const std::string_view wanted = Trimmed(name);
    if (wanted.empty())
        return ProfileNameProblem::Empty;
    if (wanted == Trimmed(original))
        return ProfileNameProblem::None;
    const bool taken =
        std::any_of(namesInUse.begin(), namesInUse.end(),
                    [wanted](const std::string& used) { return Trimmed(used) == wanted; });
    return taken ? ProfileNameProblem::Taken : ProfileNameProblem::None;
}
