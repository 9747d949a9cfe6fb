// What drawing controls with shared palettes costs: the comparison window (two car lists, 24
// buttons, text boxes) painted whole under the program's style, against a baseline measured in the
// same run: the same window under the same desktop style with nothing in between.
#include "platform/data/DatabaseLocator.h"
#include "platform/forms/SharedPaletteStyle.h"
#include "tests/support/Navigating.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"
#include "workbench/karsilastir.h"

#include <QApplication>
#include <QFileInfo>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

void paintWindow(benchmark::State& state, bool shared)
{
    QApplication::setStyle(shared ? new forms::SharedPaletteStyle : new QProxyStyle);
    testing::Sandbox sandbox;
    karsilastir& w = testing::openFromMainWindow<karsilastir>(&ana::lvButtons_H2);
    for (auto _ : state)
        benchmark::DoNotOptimize(w.grab());
}

} // namespace

BENCHMARK_CAPTURE(paintWindow, desktop_style, false)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK_CAPTURE(paintWindow, shared_palettes, true)->Unit(benchmark::kMillisecond)->Repetitions(5);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::initProgramResources();
    data::DatabaseLocator::setSearchFolders({QFileInfo(QStringLiteral(ZV_SHIPPED_DB)).absolutePath()});

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double baseline = 1000 * reporter.seconds["paintWindow/desktop_style/repeats:5"];
    const double shared = 1000 * reporter.seconds["paintWindow/shared_palettes/repeats:5"];
    if (baseline > 0)
        std::printf("whole window: desktop style %.3f ms, shared palettes %.3f ms, ratio %.2fx\n", baseline, shared,
                    shared / baseline);
    return 0;
}
