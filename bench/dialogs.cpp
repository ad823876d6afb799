// A user opens these dialogs with a click: each must be built, laid out and drawn
// well within a blink. Counted from construction until the event loop has drawn
// the shown dialog: the configuration dialog with every one of its 167 parameters,
// the extended information dialog with all 92 measurements, and a refresh of the
// latter by the next device state. And a configuration reply of hostile size,
// with the memory it leaves behind once the dialog is closed.
#include "benchsupport.h"
#include "panelstartup.h"
#include "ups.h"
#include "ups/extendedparameterrow.h"
#include "ups/extendinformationwindow.h"
#include "ups/upsconfigurationwindow.h"
#include "ups/upsparameterdescriptor.h"

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

// Every catalogued key with a value of its kind: combos and radio rows with four choices.
Map fullConfiguration()
{
    Map map;
    int i = 0;
    for (const UpsParameterDescriptor& d : upsParameterCatalogue()) {
        switch (d.kind) {
        case UpsParameterDescriptor::CheckBoxKind:
            map.insert(d.key, QString::number(i % 2));
            break;
        case UpsParameterDescriptor::RadioGroupKind:
        case UpsParameterDescriptor::ComboBoxKind:
            map.insert(d.key, QStringLiteral("%1;%1;%2;%3;%4").arg(i).arg(i + 1).arg(i + 2).arg(i + 3));
            break;
        default:
            map.insert(d.key, QString::number(100 + i));
            break;
        }
        ++i;
    }
    return map;
}

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
    const Map map = fullConfiguration();
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

// About `bytes` of configuration reply, as the link hands it over, in one of
// the shapes a hostile or broken service could send.
Map hostileConfiguration(int shape, int bytes)
{
    Map map = fullConfiguration();
    switch (shape) {
    case 0: // keys the catalogue does not know
        for (int i = 0; i < bytes / 24; ++i)
            map.insert(QStringLiteral("u%1").arg(i, 7, 10, QLatin1Char('0')), QStringLiteral("1"));
        break;
    case 1: // one free text as long as the reply
        map.insert(QStringLiteral("snmp_sysname"), QString(bytes, QLatin1Char('x')));
        break;
    case 2: // a choice row of ever more choices
        map.insert(QStringLiteral("output_frequency_option"),
                   QStringLiteral("50") + QStringLiteral(";50").repeated(bytes / 3));
        break;
    case 3: // the radio row of ever more choices
        map.insert(QStringLiteral("controller_mode_option"),
                   QStringLiteral("A") + QStringLiteral(";A").repeated(bytes / 2));
        break;
    }
    return map;
}

const char* const hostileShapes[] = {"unknown keys", "one long text", "combo choices", "radio choices"};

// A huge configuration reply shown in the dialog: built, shown and drawn, then
// closed. Figures: time to show, and resident memory the closed dialog leaves.
void BM_HostileConfiguration(benchmark::State& state)
{
    const int shape = int(state.range(0));
    const int bytes = int(state.range(1));
    Luminorix::Utils::Ups ups;
    ups.model_name = QStringLiteral("OspreyRT_SNMP");
    long left = 0;
    for (auto _ : state) {
        // The reply's own map belongs to the link; what is counted is what the
        // dialog takes and what it leaves once it is gone.
        const Map map = hostileConfiguration(shape, bytes);
        const long before = Bench::statusKb("VmRSS");
        QElapsedTimer timer;
        timer.start();
        auto dialog = std::make_unique<UPSConfigurationWindow>(ups);
        dialog->show();
        dialog->setConfiguration(map);
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        dialog.reset();
        QApplication::processEvents();
        left = Bench::statusKb("VmRSS") - before;
    }
    state.SetLabel(hostileShapes[shape]);
    state.counters["MB left after close"] = static_cast<double>(left) / 1024;
}

BENCHMARK(BM_ConfigurationDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ExtendedDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ExtendedDialogRefresh)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_HostileConfiguration)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->ArgsProduct({{0, 1, 2, 3}, {1 << 20, 10 << 20}});
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
