#include "support/CategoryScorecard.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "a | b | c" as its parts, each trimmed; the first part is what follows `keyword`.
std::vector<std::string> Parts(const std::string& line, size_t keywordLength)
{
    std::vector<std::string> parts;
    std::string rest = line.substr(keywordLength);
    for (size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
        parts.push_back(Trimmed(rest.substr(0, bar)));
    parts.push_back(Trimmed(rest));
    return parts;
}

std::vector<std::string> Lines(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

std::map<std::string, CategoryProfile> ReadProfiles(const std::filesystem::path& path,
                                                    std::vector<std::string>& errors)
{
    std::map<std::string, CategoryProfile> profiles;
    const std::vector<std::string> lines = Lines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trimmed(lines[i]);
        if (line.empty() || line.starts_with('#'))
            continue;
        const std::vector<std::string> parts = Parts(line, std::string_view("profile").size());
        if (!line.starts_with("profile ") || parts.size() != 6) {
            errors.push_back("profiles.txt:" + std::to_string(i + 1) + ": not a profile");
            continue;
        }
        profiles[parts[0]] = {parts[1], parts[2], parts[3], parts[4], parts[5]};
    }
    if (profiles.empty())
        errors.push_back("no profiles in " + path.string());
    return profiles;
}

class CListReader final
{
public:
    CListReader(const std::filesystem::path& path,
                const std::map<std::string, CategoryProfile>& profiles, CategoryScorecardSet& set)
        : m_name(path.stem().string()), m_file(path.filename().string()), m_profiles(profiles),
          m_set(set)
    {
        const std::vector<std::string> lines = Lines(path);
        for (m_line = 1; m_line <= lines.size(); ++m_line)
            Read(lines[m_line - 1]);
        for (const auto& [name, profile] : m_profiles) {
            if (!m_accepted.contains(name))
                Fail("no accept line for " + name);
        }
        if (m_options.empty())
            Fail("no options");
        for (auto& [name, values] : m_accepted)
            m_set.cases.push_back({m_name, name, m_options, m_profiles.at(name), values});
        m_set.lists.push_back(m_name);
    }

private:
    void Read(const std::string& raw)
    {
        const std::string line = Trimmed(raw);
        if (line.empty() || line.starts_with('#'))
            return;
        if (line.starts_with("option "))
            return ReadOption(line.substr(7));
        if (line.starts_with("group "))
            m_group = Trimmed(line.substr(6));
        else if (line == "endgroup")
            m_group.clear();
        else if (line.starts_with("accept "))
            ReadAccept(Parts(line, 7));
        else
            Fail("unknown line");
    }

    void ReadOption(const std::string& text)
    {
        const size_t bar = text.find('|');
        CategoryOption option;
        option.group = m_group;
        if (bar == std::string::npos) {
            option.text = option.value = Trimmed(text);
        } else {
            option.value = Trimmed(text.substr(0, bar));
            // Leading spaces of an option's text are the page's: they indent a child.
            option.text = text.substr(bar + 1);
            option.text.erase(0, option.text.starts_with(' ') ? 1 : 0);
        }
        m_options.push_back(option);
    }

    void ReadAccept(const std::vector<std::string>& parts)
    {
        if (!m_profiles.contains(parts[0]))
            return Fail("no profile " + parts[0]);
        std::set<std::string>& values = m_accepted[parts[0]];
        for (size_t i = 1; i < parts.size(); ++i) {
            const bool known = std::any_of(m_options.begin(), m_options.end(),
                                           [&](const auto& o) { return o.value == parts[i]; });
            if (!known || parts[i].empty())
                Fail("no option of value \"" + parts[i] + "\"");
            values.insert(parts[i]);
        }
    }

    void Fail(const std::string& what)
    {
        m_set.errors.push_back(m_file + ":" + std::to_string(m_line) + ": " + what);
    }

    std::string m_name;
    std::string m_file;
    const std::map<std::string, CategoryProfile>& m_profiles;
    CategoryScorecardSet& m_set;
    size_t m_line = 0;
    std::string m_group;
    std::vector<CategoryOption> m_options;
    std::map<std::string, std::set<std::string>> m_accepted;
};

} // namespace

CategoryScorecardSet ReadCategoryScorecard(const std::string& folder)
{
    CategoryScorecardSet set;
    const auto profiles = ReadProfiles(std::filesystem::path(folder) / "profiles.txt", set.errors);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".list")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files)
        CListReader(file, profiles, set);
    return set;
}

CategoryVerdict JudgeCategoryChoice(const CategoryCase& sample, const CategoryChoice& choice)
{
    if (!choice.IsChosen())
        return sample.acceptable.empty() ? CategoryVerdict::Right : CategoryVerdict::Left;
    const std::string& value = sample.options[static_cast<size_t>(choice.option)].value;
    return sample.acceptable.contains(value) ? CategoryVerdict::Right : CategoryVerdict::Wrong;
}
