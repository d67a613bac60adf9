#pragma once

#include <string>

// What the directory list shows after a directory's name.
enum class SentMarker
{
    None,    // no current profile: the bare name
    Sent,    // " [sent]"
    NotSent, // " [not sent]"
};

std::string MakeDirectoryListEntry(const std::string& directoryName, SentMarker marker);
