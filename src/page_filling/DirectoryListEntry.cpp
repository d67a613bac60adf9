#include "page_filling/DirectoryListEntry.h"

#include "common/TextCatalogue.h"

std::string MakeDirectoryListEntry(const std::string& directoryName, SentMarker marker)
{
    switch (marker) {
    case SentMarker::Sent:
        return directoryName + " [" KESTRINE_TEXT_NOOP("DirectoryListEntry", "sent") "]";
    case SentMarker::NotSent:
        return directoryName + " [" KESTRINE_TEXT_NOOP("DirectoryListEntry", "not sent") "]";
    case SentMarker::None:
        break;
    }
    return directoryName;
}
