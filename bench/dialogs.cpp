// A user opens these dialogs with a click: each must be built, laid out and drawn
// well within a blink. Counted from construction until the event loop has drawn
// the shown dialog: the configuration dialog with every one of its 167 parameters,
// the extended information dialog with all 92 measurements, and a refresh of the
// latter by the next device state. Configuration replies of hostile size are
// measured by bench_hostile.
#include "benchsupport.h"
#include "common/ups.h"
#include "panel/panelstartup.h"
#include "panel/ups/extendedparameterrow.h"
#include "panel/ups/extendinformationwindow.h"
#include "panel/ups/upsconfigurationwindow.h"
#include "upsconfigurationmap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QStyleFactory>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {
using Map = QMap<QString, QString>;

Map fullState(int offset)
{
    Map map;
    int i = 0;
    for (const ExtendedParameterRow& row : extendedParameterTable(false)) {
        const int v = offset + i++;
        map.insert(row.key, QStringLiteral("%1 / %2 / %3").arg(v).arg(v + 1).arg(v + 2));
    }
    return map;
}

void BM_ConfigurationDialog(benchmark::State& state)
{
    const Map map = Bench::fullUpsConfiguration();
    Luminorix::Utils::Ups ups;
    ups.model_name = QStringLiteral("OspreyRT_SNMP");
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto dialog = std::make_unique<UPSConfigurationWindow>(ups);
        dialog->show();
        dialog->setConfiguration(map);
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        dialog.reset();
        QApplication::processEvents();
    }
    state.counters["keys"] = static_cast<double>(map.size());
}

void BM_ExtendedDialog(benchmark::State& state)
{
    const Map map = fullState(0);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto dialog = std::make_unique<ExtendInformationWindow>(false);
        dialog->setParameters(map);
        dialog->show();
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        dialog.reset();
        QApplication::processEvents();
    }
    state.counters["keys"] = static_cast<double>(map.size());
}

// The next device state into the open dialog: texts only, the cells stay.
void BM_ExtendedDialogRefresh(benchmark::State& state)
{
    const Map maps[] = {fullState(0), fullState(1)};
    ExtendInformationWindow dialog(false);
    dialog.setParameters(maps[0]);
    dialog.show();
    QApplication::processEvents();
    int n = 1;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        dialog.setParameters(maps[n++ % 2]);
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}

BENCHMARK(BM_ConfigurationDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ExtendedDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ExtendedDialogRefresh)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
} // namespace

int main(int argc, char** argv)
{
    Bench::startOffscreen();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication application(argc, argv);
    applyStyleSheet(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
