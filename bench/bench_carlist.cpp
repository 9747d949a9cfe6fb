// How long the main window takes to fill its car list (one record-move handler run per row),
// for the shipped database and for a generated 10,000-row table. The baseline, measured in the
// same run, walks the same rows through the data control with no window attached.
#include "platform/data/DataControl.h"
#include "platform/data/DatabaseLocator.h"
#include "tests/support/TestSupport.h"
#include "workbench/ana.h"

#include <QApplication>
#include <QFileInfo>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

std::unique_ptr<testing::CarDatabaseFixture> generated;

void useShipped()
{
    data::DatabaseLocator::setSearchFolders({QFileInfo(QStringLiteral(ZV_SHIPPED_DB)).absolutePath()});
}
void useGenerated() { data::DatabaseLocator::setSearchFolders({generated->folder()}); }

void fillMainWindow(benchmark::State& state, void (*database)())
{
    database();
    testing::Sandbox sandbox;
    ana& w = forms::instance<ana>();
    const int rows = w.data->RecordCount();
    for (auto _ : state)
        w.FillCarList();
    state.counters["rows"] = rows;
    // Seconds per row, shown with an SI prefix (u = microseconds).
    state.counters["time_per_row"] = benchmark::Counter(static_cast<double>(rows) * state.iterations(),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void walkRows(benchmark::State& state, void (*database)())
{
    database();
    data::DataControl control;
    control.setDatabaseName(QStringLiteral("arac2.db"));
    int rows = 0;
    for (auto _ : state) {
        control.setRecordSource(QStringLiteral("SELECT * FROM kayitlar"));
        control.Refresh();
        rows = 0;
        while (!control.Eof()) {
            benchmark::DoNotOptimize(control.FieldText(QStringLiteral("arac")));
            control.MoveNext();
            ++rows;
        }
    }
    state.counters["rows"] = rows;
}

} // namespace

BENCHMARK_CAPTURE(walkRows, shipped, useShipped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fillMainWindow, shipped, useShipped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(walkRows, rows10000, useGenerated)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fillMainWindow, rows10000, useGenerated)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::initProgramResources();
    QList<testing::Car> cars;
    for (int i = 0; i < 10000; ++i)
        cars.append({QStringLiteral("Araç %1 1.6 16V").arg(i), 60.0 + i % 400});
    generated = std::make_unique<testing::CarDatabaseFixture>(cars);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* which : {"shipped", "rows10000"}) {
        const double fill = 1000 * reporter.seconds[std::string("fillMainWindow/") + which];
        const double walk = 1000 * reporter.seconds[std::string("walkRows/") + which];
        if (walk > 0)
            std::printf("%-10s fill %.2f ms, data-only walk %.2f ms, ratio %.2fx\n", which, fill, walk, fill / walk);
    }
    generated.reset();
    return 0;
}
