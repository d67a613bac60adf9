#include "page_filling/DirectoryListEntry.h"

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
