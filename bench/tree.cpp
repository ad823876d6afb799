// The device tree's rebuild: one model list of 1,000 and of 4,000 devices (every
// tenth a virtual device with three members) replacing a tree of the same size,
// in the shown main window, counted until the event loop has laid it out and drawn it.
#include "common/ups.h"
#include "panel/luminorixwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QVector>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {
LuminorixWindow* window = nullptr;

// No service listens here: the window's status-list request after each rebuild is dropped.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QLatin1String("request dropped")))
        fprintf(stderr, "%s\n", qPrintable(message));
}

QVector<Luminorix::Utils::Ups> modelList(int count)
{
    QVector<Luminorix::Utils::Ups> models;
    for (int i = 0; i < count; ++i) {
        Luminorix::Utils::Ups ups;
        ups.id = QString::number(i + 1);
        switch (i % 10) {
        case 0:
            ups.model_name = QStringLiteral("Virtual_Device");
            ups.phy_ids = QStringList{QString::number(i + 2), QString::number(i + 3), QString::number(i + 4)};
            break;
        case 1:
        case 2:
        case 3:
            ups.model_name = QStringLiteral("HarrierRT_6_10_USB");
            ups.user_defined_name = QStringLiteral("Server room rack %1").arg(i);
            break;
        case 4:
            ups.model_name = QStringLiteral("Falcon_SNMP");
            break;
        default:
            ups.model_name = QStringLiteral("KitePro_USB");
            ups.user_defined_name = QStringLiteral("Office %1").arg(i);
            break;
        }
        models.append(ups);
    }
    return models;
}

void BM_TreeRebuild(benchmark::State& state)
{
    const QVector<Luminorix::Utils::Ups> models = modelList(static_cast<int>(state.range(0)));
    window->upsModelMessageReceived(models);
    QApplication::processEvents();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        window->upsModelMessageReceived(models);
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["devices"] = static_cast<double>(models.size());
}
// The same with the list sorted A to Z, which orders each element as it goes in.
void BM_TreeRebuildSorted(benchmark::State& state)
{
    window->slot_enableSortingUpsList();
    BM_TreeRebuild(state);
    window->slot_disableSortingUpsList();
}

BENCHMARK(BM_TreeRebuild)
    ->Arg(1000)
    ->Arg(4000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_TreeRebuildSorted)
    ->Arg(1000)
    ->Arg(4000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
} // namespace

int main(int argc, char** argv)
{
    // The window reads and writes its settings file: keep this run away from the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QApplication application(argc, argv);
    auto main = std::make_unique<LuminorixWindow>();
    main->show();
    window = main.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
