#pragma once

#include "profiles/ProfileRecord.h"

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

class CStateLineReader;

// The program's one list of profiles, in insertion order. Profiles are addressed by name,
// compared exactly; names need not be unique and every lookup takes the first match.
class CProfileStore
{
public:
    void GetProfileNames(std::vector<std::string>& names) const;
    bool GetProfile(const std::string& name, ProfileRecord& profile) const;
    bool IsSent(const std::string& profileName, const std::string& directoryName) const;
    // The sent sets IsSent asks for this name, one per profile carrying it, in store order; a
    // caller marking many directories looks them up there without a profile search each time.
    std::vector<const CSentSet*> SentSetsOf(const std::string& profileName) const;
    bool MarkSent(const std::string& profileName, const std::string& directoryName);
    // Takes the mark back, for a submission that was not accepted after all: from every profile
    // of the name, since IsSent asks them all. False when there is no profile of that name.
    bool UnmarkSent(const std::string& profileName, const std::string& directoryName);
    // For a directory renamed from `from` to `to`: every profile sent to `from` is marked sent to
    // `to`, and loses the mark of `from` unless `keepFrom` (a directory of that name is still
    // listed). False when no profile had the mark.
    bool CarrySentMarks(const std::string& from, const std::string& to, bool keepFrom);

    // The profile section of sv.dat (everything after its first line). Loading replaces the
    // store; it returns false, with the store untouched, when the stream failed before it began.
    // Saving returns false when the stream failed.
    bool LoadProfiles(std::istream& in);
    void LoadProfiles(CStateLineReader& lines);
    bool SaveProfiles(std::ostream& out) const;
    // The same bytes SaveProfiles writes, appended to `bytes`.
    void AppendProfiles(std::string& bytes) const;

    // The Profile Manager's commands. It shows every profile, duplicate names included, and
    // acts on the one chosen: by its place in Profiles().
    void AddProfile(const ProfileRecord& profile);
    // Replaces the ten text fields of the first profile named `name`, keeping its place and its
    // sent set; false when there is none.
    bool EditProfile(const std::string& name, const ProfileRecord& fields);
    // The same for the profile at `index`; false when there is none.
    bool EditProfileAt(size_t index, const ProfileRecord& fields);
    // Erases the profile at `index`; false when there is none.
    bool RemoveProfileAt(size_t index);

    const std::vector<ProfileRecord>& Profiles() const { return m_profiles; }

private:
    std::vector<ProfileRecord> m_profiles;
};
