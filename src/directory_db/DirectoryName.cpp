#include "directory_db/DirectoryName.h"

#include "common/TextCatalogue.h"

#include <algorithm>

std::optional<std::string> DirectoryNameProblem(std::string_view name)
{
    if (name.find_first_not_of(" \t") == std::string_view::npos)
        return KESTRINE_TEXT("DirectoryName", "Please enter a name for the directory.");
    if (name.size() > kMaxDirectoryNameBytes)
        return KESTRINE_TEXT(
            "DirectoryName",
            "The name is too long: a directory name can have at most 223 characters.");
    if (name.find(" [") != std::string_view::npos)
        return KESTRINE_TEXT("DirectoryName", "A directory name cannot contain \" [\".");
    const bool hasControl = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    });
    if (hasControl)
        return KESTRINE_TEXT("DirectoryName",
                             "A directory name cannot contain line breaks or tabs.");
    return std::nullopt;
}
