#include "history/ReportCsv.h"

#include "history/CsvWriter.h"
#include "history/LocalTime.h"
#include "profiles/ProfileStore.h"
#include "profiles/SentSet.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace {

using PairKey = std::pair<std::string, std::string>; // profile, directory

// One column per profile name, in store order. The list asks every profile of a name whether
// a directory was sent, so the column holds the sent sets of them all.
struct ProfileColumn
{
    const std::string* name;
    std::vector<const CSentSet*> sent;
};

std::vector<ProfileColumn> ProfileColumns(const CProfileStore& profiles)
{
    std::vector<ProfileColumn> columns;
    std::set<std::string> seen;
    for (const ProfileRecord& profile : profiles.Profiles()) {
        if (seen.insert(profile.name).second)
            columns.push_back({&profile.name, profiles.SentSetsOf(profile.name)});
    }
    return columns;
}

std::vector<ReportDirectory> WithForgottenDirectories(std::vector<ReportDirectory> directories,
                                                      const CProfileStore& profiles,
                                                      const std::vector<HistoryEvent>& lastEvents)
{
    // Compared as sent marks are: a name sv.dat holds in another form is still the directory's.
    std::vector<std::string> names;
    names.reserve(directories.size());
    for (const ReportDirectory& directory : directories)
        names.push_back(directory.name);
    const CSentSet known(std::move(names));
    std::set<std::string> forgotten;
    for (const ProfileRecord& profile : profiles.Profiles()) {
        for (const std::string& name : profile.sent) {
            if (!known.contains(name))
                forgotten.insert(name);
        }
    }
    for (const HistoryEvent& event : lastEvents) {
        if (!known.contains(event.directory))
            forgotten.insert(event.directory);
    }
    for (const std::string& name : forgotten)
        directories.push_back({name, {}});
    return directories;
}

const char* Status(const ProfileColumn& profile, const std::string& directory,
                   const HistoryEvent* last)
{
    const auto sentTo = [&directory](const CSentSet* sent) { return sent->contains(directory); };
    if (std::any_of(profile.sent.begin(), profile.sent.end(), sentTo))
        return "sent";
    if (last && last->kind == HistoryEventKind::NotConfirmed)
        return "refused";
    return "not sent";
}

} // namespace

std::string ComposeReportCsv(const std::vector<ReportDirectory>& directories,
                             const CProfileStore& profiles,
                             const std::vector<HistoryEvent>& lastEvents)
{
    std::map<PairKey, const HistoryEvent*> lastByPair;
    std::map<PairKey, const HistoryEvent*> confirmedByEmail;
    for (const HistoryEvent& event : lastEvents) {
        const PairKey pair{event.profile, event.directory};
        lastByPair.try_emplace(pair, &event);
        if (event.kind == HistoryEventKind::ConfirmedByEmail)
            confirmedByEmail.try_emplace(pair, &event);
    }
    const auto timeOf = [](const std::map<PairKey, const HistoryEvent*>& events,
                           const PairKey& pair) {
        const auto found = events.find(pair);
        return found == events.end() ? std::string() : FormatIsoLocalTime(found->second->timeUtcMs);
    };
    const std::vector<ProfileColumn> columns = ProfileColumns(profiles);

    CCsvWriter csv;
    csv.AddField("Directory");
    csv.AddField("Submission address");
    for (const ProfileColumn& profile : columns) {
        csv.AddField(*profile.name + " status");
        csv.AddField(*profile.name + " last event");
    }
    for (const ProfileColumn& profile : columns)
        csv.AddField(*profile.name + " confirmed by e-mail");
    csv.EndRecord();

    for (const ReportDirectory& directory :
         WithForgottenDirectories(directories, profiles, lastEvents)) {
        csv.AddField(directory.name);
        csv.AddField(directory.address);
        for (const ProfileColumn& profile : columns) {
            const auto found = lastByPair.find({*profile.name, directory.name});
            const HistoryEvent* last = found == lastByPair.end() ? nullptr : found->second;
            csv.AddField(Status(profile, directory.name, last));
            csv.AddField(last ? FormatIsoLocalTime(last->timeUtcMs) : std::string());
        }
        for (const ProfileColumn& profile : columns)
            csv.AddField(timeOf(confirmedByEmail, {*profile.name, directory.name}));
        csv.EndRecord();
    }
    return csv.Text();
}
