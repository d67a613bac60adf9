// Importing a shared list of directories, as File > Import Directories… and
// kestrine --import-directories do once the user's database is loaded: read the list, decide
// each directory against the database, put them into mydirs.xml, save it.
#include "DatabaseGenerator.h"
#include "common/QuietPresenter.h"
#include "directory_db/DirectoryDatabase.h"
#include "directory_db/DirectoryImport.h"
#include "directory_db/UserDirectoryFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace {

// A data folder of its own with the vendor's database and a list to import, removed when done.
class ImportFolder
{
public:
    explicit ImportFolder(int listed)
    {
        std::string pattern = "/tmp/kestrine-import-bench-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        m_path = pattern;
        std::ofstream(File("dirdata.xml"), std::ios::binary) << GenerateDatabase(1000);
        // Names of their own ("Directory 7 & Co"), so that every one of them is added.
        std::ofstream(File("list.xml"), std::ios::binary) << GenerateDatabase(listed, {"", true});
    }
    ~ImportFolder() { std::filesystem::remove_all(m_path); }

    std::string File(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void BM_ImportList(benchmark::State& state)
{
    const int listed = static_cast<int>(state.range(0));
    const ImportFolder folder(listed);
    const std::string userFile = folder.File("mydirs.xml");
    QuietPresenter quiet;
    CDirectoryDatabase database(quiet);
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(userFile.c_str());
        database.LoadFile(folder.File("dirdata.xml"), userFile);
        state.ResumeTiming();

        const DirectoryImport import =
            ReadDirectoryImport(folder.File("list.xml"), database, false);
        CUserDirectoryFile file(userFile);
        if (!file.Load() || ApplyDirectoryImport(import, file) != static_cast<size_t>(listed))
            state.SkipWithError("not every directory was added");
        CAtomicFileWriter writer;
        if (!file.Save(writer).ok)
            state.SkipWithError("mydirs.xml not saved");
    }
    state.counters["seconds_per_entry"] = benchmark::Counter(
        static_cast<double>(listed),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ImportList)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
