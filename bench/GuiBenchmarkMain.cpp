// The main() of the benchmarks that drive the program's windows: a headless application around
// Google Benchmark's own run.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The browser engine refuses its sandbox as root.
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
