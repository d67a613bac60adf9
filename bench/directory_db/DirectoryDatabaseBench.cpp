#include "DatabaseGenerator.h"
#include "common/MessagePresenter.h"
#include "directory_db/DirectoryDatabase.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <libxml/parser.h>
#include <stdexcept>
#include <unistd.h>

namespace {

class SilentPresenter final : public MessagePresenter
{
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// A generated database in a file of its own, removed when done.
class DatabaseFile
{
public:
    explicit DatabaseFile(int directories, const DatabaseShape& shape = {})
        : m_bytes(GenerateDatabase(directories, shape))
    {
        std::string pattern = "/tmp/kestrine-db-bench-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd < 0)
            throw std::runtime_error("no temporary file");
        close(fd);
        m_path = pattern;
        std::ofstream(m_path, std::ios::binary) << m_bytes;
    }
    ~DatabaseFile() { std::remove(m_path.c_str()); }

    const std::string& Path() const { return m_path; }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
    std::string m_path;
};

// What the main window does at start: load the file and list the names.
void LoadAndListNames(benchmark::State& state, const DatabaseFile& file)
{
    SilentPresenter presenter;
    CDirectoryDatabase database(presenter);
    for (auto _ : state) {
        if (!database.LoadFile(file.Path()))
            state.SkipWithError("load failed");
        std::vector<std::string> names;
        database.GetDirectoryNames(names);
        benchmark::DoNotOptimize(names.data());
    }
}

void BM_LoadAndListNames(benchmark::State& state)
{
    LoadAndListNames(state, DatabaseFile(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_LoadAndListNames)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A file whose names hold "&amp;" behind a long prolog (an 8 MB comment), against the same file
// without the prolog: reading stays linear in the file's size, whatever comes before the
// directories.
void BM_LoadAfterLongProlog(benchmark::State& state)
{
    const bool withProlog = state.range(1) != 0;
    const std::string prolog = withProlog ? "<!--" + std::string(8 << 20, 'p') + "-->\n" : "";
    LoadAndListNames(state, DatabaseFile(static_cast<int>(state.range(0)), {prolog, true}));
}
BENCHMARK(BM_LoadAfterLongProlog)
    ->Args({2000, 0})
    ->Args({2000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The least any libxml2 reader must do with the same bytes.
void BM_BareParse(benchmark::State& state)
{
    const DatabaseFile file(static_cast<int>(state.range(0)));
    const std::string& bytes = file.Bytes();
    for (auto _ : state) {
        xmlDoc* doc =
            xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, 0);
        benchmark::DoNotOptimize(doc);
        xmlFreeDoc(doc);
    }
}
BENCHMARK(BM_BareParse)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// What choosing the last directory and filling its page asks of the database.
void BM_DirectoryPick(benchmark::State& state)
{
    const int directories = static_cast<int>(state.range(0));
    const DatabaseFile file(directories);
    SilentPresenter presenter;
    CDirectoryDatabase database(presenter);
    if (!database.LoadFile(file.Path()))
        state.SkipWithError("load failed");
    const std::string name = LastDirectoryName(directories);
    for (auto _ : state) {
        const std::string address = database.GetDirectorySubmitPage(name, "Business", "Sales");
        std::vector<FormField> fields;
        database.GetDirectoryItems(name, "Business", "Sales", fields);
        if (address.empty() || fields.size() != 6)
            state.SkipWithError("directory not found");
        benchmark::DoNotOptimize(fields.data());
    }
}
BENCHMARK(BM_DirectoryPick)->Arg(500)->Arg(50000)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
