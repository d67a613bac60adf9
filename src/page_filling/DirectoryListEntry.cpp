#include "page_filling/DirectoryListEntry.h"

namespace {

constexpr const char* kMarkerStart = " [";

} // namespace

std::string MakeDirectoryListEntry(const std::string& directoryName, SentMarker marker)
{
    switch (marker) {
    case SentMarker::Sent:
        return directoryName + " [sent]";
    case SentMarker::NotSent:
        return directoryName + " [not sent]";
    case SentMarker::None:
        break;
    }
    return directoryName;
}

std::string DirectoryNameFromEntry(const std::string& entry)
{
    return entry.substr(0, entry.find(kMarkerStart));
}
