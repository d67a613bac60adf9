#include "profiles/ProfileStore.h"

#include "profiles/ProfileTextFields.h"
#include "profiles/StateLineReader.h"
#include "profiles/StateLineWriter.h"

#include <algorithm>

namespace {

// A file can announce far more profiles than it holds. Those it holds are read whatever the
// count; past the end of the file at most this many empty ones are made up, which keeps a file
// cut short honest while a corrupt count (2147483647) costs a few hundred KB, not all memory.
constexpr size_t kProfilesPastTheEnd = 1000;

template <typename Profiles> auto FindByName(Profiles& profiles, const std::string& name)
{
    return std::find_if(profiles.begin(), profiles.end(),
                        [&name](const ProfileRecord& profile) { return profile.name == name; });
}

ProfileRecord ReadProfileBlock(CStateLineReader& lines)
{
    ProfileRecord profile;
    for (std::string ProfileRecord::*field : kProfileTextFields)
        profile.*field = lines.ReadLine();
    const size_t announced = lines.ReadCount();
    std::vector<std::string> names;
    while (names.size() < announced && !lines.AtEnd())
        names.push_back(lines.ReadLine());
    // Every name past the end reads as the empty one, which the set holds once.
    if (names.size() < announced)
        names.emplace_back();
    profile.sent = CSentSet(std::move(names));
    return profile;
}

} // namespace

void CProfileStore::GetProfileNames(std::vector<std::string>& names) const
{
    names.clear();
    names.reserve(m_profiles.size());
    for (const ProfileRecord& profile : m_profiles)
        names.push_back(profile.name);
}

bool CProfileStore::GetProfile(const std::string& name, ProfileRecord& profile) const
{
    const auto found = FindByName(m_profiles, name);
    if (found == m_profiles.end())
        return false;
    profile = *found;
    return true;
}

bool CProfileStore::IsSent(const std::string& profileName, const std::string& directoryName) const
{
    return std::any_of(m_profiles.begin(), m_profiles.end(), [&](const ProfileRecord& profile) {
        return profile.name == profileName && profile.sent.contains(directoryName);
    });
}

std::vector<const CSentSet*> CProfileStore::SentSetsOf(const std::string& profileName) const
{
    std::vector<const CSentSet*> sets;
    for (const ProfileRecord& profile : m_profiles) {
        if (profile.name == profileName)
            sets.push_back(&profile.sent);
    }
    return sets;
}

bool CProfileStore::MarkSent(const std::string& profileName, const std::string& directoryName)
{
    const auto found = FindByName(m_profiles, profileName);
    if (found == m_profiles.end())
        return false;
    found->sent.insert(directoryName);
    return true;
}

bool CProfileStore::UnmarkSent(const std::string& profileName, const std::string& directoryName)
{
    bool found = false;
    for (ProfileRecord& profile : m_profiles) {
        if (profile.name != profileName)
            continue;
        found = true;
        profile.sent.erase(directoryName);
    }
    return found;
}

bool CProfileStore::CarrySentMarks(const std::string& from, const std::string& to, bool keepFrom)
{
    bool carried = false;
    for (ProfileRecord& profile : m_profiles) {
        if (!profile.sent.contains(from))
            continue;
        carried = true;
        if (!keepFrom)
            profile.sent.erase(from);
        profile.sent.insert(to);
    }
    return carried;
}

bool CProfileStore::LoadProfiles(std::istream& in)
{
    if (!in)
        return false;
    CStateLineReader lines(in);
    LoadProfiles(lines);
    return true;
}

void CProfileStore::LoadProfiles(CStateLineReader& lines)
{
    m_profiles.clear();
    const size_t announced = lines.ReadCount();
    size_t read = 0;
    for (; read < announced && !lines.AtEnd(); ++read)
        m_profiles.push_back(ReadProfileBlock(lines));
    // Blocks past the end read as ten empty fields and no sent names.
    m_profiles.resize(m_profiles.size() + std::min(announced - read, kProfilesPastTheEnd));
}

bool CProfileStore::SaveProfiles(std::ostream& out) const
{
    std::string bytes;
    AppendProfiles(bytes);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void CProfileStore::AppendProfiles(std::string& bytes) const
{
    AppendStateCount(bytes, m_profiles.size());
    for (const ProfileRecord& profile : m_profiles) {
        for (const std::string ProfileRecord::*field : kProfileTextFields)
            AppendStateLine(bytes, profile.*field);
        AppendStateCount(bytes, profile.sent.size());
        for (const std::string& directoryName : profile.sent)
            AppendStateLine(bytes, directoryName);
    }
}

void CProfileStore::AddProfile(const ProfileRecord& profile)
{
    m_profiles.push_back(profile);
}

bool CProfileStore::EditProfile(const std::string& name, const ProfileRecord& fields)
{
    const auto found = FindByName(m_profiles, name);
    return EditProfileAt(static_cast<size_t>(found - m_profiles.begin()), fields);
}

bool CProfileStore::EditProfileAt(size_t index, const ProfileRecord& fields)
{
    if (index >= m_profiles.size())
        return false;
    for (std::string ProfileRecord::*field : kProfileTextFields)
        m_profiles[index].*field = fields.*field;
    return true;
}

bool CProfileStore::RemoveProfileAt(size_t index)
{
    if (index >= m_profiles.size())
        return false;
    m_profiles.erase(m_profiles.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}
