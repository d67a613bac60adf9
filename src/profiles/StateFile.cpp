#include "profiles/StateFile.h"

#include "profiles/ProfileStore.h"
#include "profiles/StateLineReader.h"
#include "profiles/StateLineWriter.h"

#include <filesystem>
#include <fstream>

namespace state_file {

bool Load(const std::string& path, std::string& currentName, CProfileStore& store)
{
    CAtomicFileWriter::RemoveLeftovers(path);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    CStateLineReader lines(in);
    currentName = lines.ReadLine();
    store.LoadProfiles(lines);
    return true;
}

WriteOutcome Save(const std::string& path, const std::string& currentName,
                  const CProfileStore& store)
{
    CAtomicFileWriter writer;
    return Save(path, currentName, store, writer);
}

WriteOutcome Save(const std::string& path, const std::string& currentName,
                  const CProfileStore& store, CAtomicFileWriter& writer)
{
    // The whole file is built in memory first, so the disk sees a single write. It is mostly
    // the old file and a few more sent marks, so its size is a good guess at the room needed.
    std::string bytes;
    std::error_code unknownSize;
    const auto oldSize = std::filesystem::file_size(path, unknownSize);
    if (!unknownSize)
        bytes.reserve(oldSize + oldSize / 16);
    AppendStateLine(bytes, currentName);
    store.AppendProfiles(bytes);
    return writer.Write(path, bytes);
}

} // namespace state_file
