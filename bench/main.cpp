// lumetra-bench: runs the benchmarks, then prints each median beside its
// target and the floor measured in the same run.

#include "app/fonts.h"
#include "app/razorez.h"
#include "benchwindow.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

// Keeps the median of every benchmark while printing as usual.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medians; // nanoseconds

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime() * nsPerUnit(run.time_unit);
    }

private:
    static double nsPerUnit(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond:
            return 1e9;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kMicrosecond:
            return 1e3;
        default:
            return 1;
        }
    }
};

std::unique_ptr<Tphotofrm> window;

} // namespace

Tphotofrm& benchWindow()
{
    return *window;
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerFonts();
    static RecordingPrinter printer;
    window = startedWindow(testSeams(
        printer, [](const QString&, const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }));

    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=15";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    arguments.push_back(repetitions.data());
    arguments.push_back(aggregates.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double floor = reporter.medians["Floor"];
    std::printf("\n%-14s %12s %10s %14s\n", "benchmark", "median (us)", "x floor", "target");
    const auto row = [&](const char* name, const char* target) {
        if (!reporter.medians.count(name))
            return;
        const double ns = reporter.medians[name];
        std::printf("%-14s %12.1f %10.2f %14s\n", name, ns / 1000, floor > 0 ? ns / floor : 0.0, target);
    };
    row("Floor", "");
    row("FullViewTick", "<= 2 x floor");
    row("ZoomedTick", "<= 3 x floor");
    row("ColourChange", "< 1000 us");
    window.reset();
    return 0;
}
