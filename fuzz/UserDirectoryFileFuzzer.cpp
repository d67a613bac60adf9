// Takes arbitrary bytes as the user's mydirs.xml, changes one directory in it and writes it
// back: nothing may crash, and what is written must read back with the change in it.
#include "common/MessagePresenter.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectoryScan.h"
#include "directory_db/UntrustedXml.h"
#include "directory_db/UserDirectoryFile.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

class SilentPresenter final : public MessagePresenter
{
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

std::string ScratchFolder()
{
    std::string path = "/tmp/kestrine-mydirs-fuzz-XXXXXX";
    if (!mkdtemp(path.data()))
        std::abort();
    return path + "/";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string folder = ScratchFolder();
    const std::string path = folder + "mydirs.xml";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    CUserDirectoryFile file(path);
    if (!file.Load()) {
        if (IsDirectoryDatabaseDocument(bytes))
            std::abort();
        return 0;
    }
    // Named after the input, so that replacing hits directories the input already has.
    const std::string name = size > 0 ? bytes.substr(0, std::min<size_t>(size, 8)) : "d";
    file.Remove("x");
    file.Put({name,
              "http://127.0.0.1/" + bytes.substr(0, 16),
              bytes.substr(0, 32),
              {{"f", FieldType::Edit, 0, bytes}},
              {}},
             "d");
    CAtomicFileWriter writer;
    if (!file.Save(writer).ok) {
        // Text that XML cannot carry (control characters, broken UTF-8) is refused, and the
        // file stays as it was.
        std::ifstream written(path, std::ios::binary);
        if (std::string(std::istreambuf_iterator<char>(written), {}) != bytes)
            std::abort();
        return 0;
    }
    SilentPresenter presenter;
    CDirectoryDatabase database(presenter);
    database.LoadFile(folder + "no-vendor.xml", path);
    const std::optional<DirectoryRecord> record = database.GetDirectoryRecord(name);
    if (!record || record->items.empty() || record->items.back().value != bytes)
        std::abort();
    unlink(path.c_str());
    return 0;
}
