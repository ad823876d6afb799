// A parameters log page of 40 columns (date, time, state, one plain value and
// twelve three-phase quantities) and 2,500 to 40,000 rows: decoded alone, and
// decoded and shown in the log viewer, drawn by the event loop. Both should
// grow linearly with the rows; the goal for 10,000 rows, shown, is under 100 ms.
// Hostile pages and histories are measured by bench_hostile.
#include "common/logpage.h"
#include "eventhistory.h"
#include "panel/logs/upseventswindow.h"
#include "panel/logs/upslogswindow.h"

#include <QApplication>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
UpsLogsWindow* viewer = nullptr;

QStringList parametersPage(int rows)
{
    const char* const quantities[] = {"input_voltage",       "output_voltage",        "output_current",
                                      "output_load",         "input_current",         "input_frequency",
                                      "output_active_power", "output_spurious_power", "bypass_voltage",
                                      "bypass_current",      "input_active_power",    "output_pf"};
    QStringList header{QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("device_status"),
                       QStringLiteral("battery_capacity")};
    for (const char* q : quantities) {
        for (int phase = 1; phase <= 3; ++phase)
            header << QStringLiteral("%1_L%2").arg(QLatin1String(q)).arg(phase);
    }
    QStringList lines{header.join(QLatin1Char(';'))};
    lines.reserve(rows + 1);
    for (int r = 0; r < rows; ++r) {
        QStringList cells{QStringLiteral("2025-02-%1").arg(1 + r / 1440, 2, 10, QLatin1Char('0')),
                          QStringLiteral("%1:%2:00")
                              .arg(r / 60 % 24, 2, 10, QLatin1Char('0'))
                              .arg(r % 60, 2, 10, QLatin1Char('0')),
                          r % 7 ? QStringLiteral("on_power_line") : QStringLiteral("on_battery"),
                          QString::number(100 - r % 30)};
        for (int c = 4; c < 40; ++c)
            cells << QString::number(200 + (r * 7 + c * 13) % 60) + QLatin1Char('.') +
                         QString::number(c % 10);
        lines << cells.join(QLatin1Char(';'));
    }
    return lines;
}

void BM_DecodeParameters(benchmark::State& state)
{
    const QStringList lines = parametersPage(int(state.range(0)));
    for (auto _ : state) {
        const LogPage page = LogPage::decode(QStringLiteral("parameters"), lines);
        benchmark::DoNotOptimize(page.rowCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DecodeParameters)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_ShowParameters(benchmark::State& state)
{
    const QStringList lines = parametersPage(int(state.range(0)));
    for (auto _ : state) {
        viewer->setLogs(lines);
        QApplication::processEvents(); // laid out and drawn
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ShowParameters)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
// A page of one row under a header of many three-phase columns: each section
// finds its leaf at once, so the header grows linearly with its width.
void BM_ShowWideHeader(benchmark::State& state)
{
    QStringList keys;
    for (int i = 0; i < state.range(0); ++i)
        keys << QStringLiteral("input_voltage%1_L%2").arg(i / 3).arg(i % 3 + 1);
    const QStringList lines{keys.join(QLatin1Char(';')), keys.join(QLatin1Char(';'))};
    for (auto _ : state) {
        viewer->setLogs(lines);
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ShowWideHeader)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(8000)
    ->Arg(16000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// An event history of 100,000 to 800,000 records shown in its dialog, each
// value differing from the one before it: rebuilt every time, in linear time.
void BM_ShowHistory(benchmark::State& state)
{
    const int records = int(state.range(0));
    const QString values[] = {Bench::eventHistory(records, 0), Bench::eventHistory(records, 1)};
    UpsEventsWindow window;
    window.show();
    int turn = 0;
    for (auto _ : state) {
        window.setEvents(values[turn++ % 2]);
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ShowHistory)
    ->Arg(100000)
    ->Arg(200000)
    ->Arg(400000)
    ->Arg(800000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    auto window = std::make_unique<UpsLogsWindow>();
    window->setLogType(QStringLiteral("parameters"));
    window->show();
    viewer = window.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
