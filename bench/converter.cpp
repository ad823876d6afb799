// Full conversion of a generated old configuration file: the reader, the
// regrouping writer, the migrations and the replacement of config.ini.
#include "converter/runner.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// computers, groups of eight, event sections in pairs sharing one event; every
// other event belongs to a computer, which then gets a group of its own.
QByteArray oldFile(int computers, int groups, int eventSections)
{
    QByteArray text = "[General]\nwork_mode=luminorix\nrun_at_boot=1\n[device]\nups_model=Falcon_6k\n"
                      "[communication]\ncom_port=COM1\n[smtp]\nserver=mail\nuser=u\n";
    text += "[Groups]\ngroups_count=" + QByteArray::number(groups) + "\n";
    for (int g = 0; g < groups; ++g) {
        text +=
            "[group." + QByteArray::number(g) + "]\nname=Grupa " + QByteArray::number(g) + "\ncomputers.0=";
        for (int i = 0; i < 8; ++i)
            text += (i ? ", " : "") + QByteArray::number((g * 8 + i) % computers);
        text += "\n";
    }
    text += "[Computers]\ncomputers_count=" + QByteArray::number(computers) + "\n";
    for (int c = 0; c < computers; ++c)
        text += "[Computer." + QByteArray::number(c) + "]\nname=pc" + QByteArray::number(c) +
                "\naddress=10.0." + QByteArray::number(c / 250) + "." + QByteArray::number(c % 250) + "\n";
    text += "[events]\nevents_count=" + QByteArray::number(eventSections) + "\n";
    static const char* const keys[] = {"stateNormal", "stateBatteryBackup", "stateOverload", "stateShortcut"};
    for (int s = 0; s < eventSections; ++s) {
        const int event = s / 2;
        const bool byComputer = event % 2;
        text += "[event." + QByteArray::number(s) + "]\neventNumber=" + QByteArray::number(event) +
                "\nevent=" + keys[event % 4] + "\nparent_type=" + (byComputer ? "computer" : "group") +
                "\nid=" + QByteArray::number(byComputer ? event % computers : event % groups) + "\n";
        text +=
            s % 2 ? "action=powerOff\ntype=shutdown\ndelay_time=30\n" : "action=message\ntext=Zdarzenie\n";
    }
    return text;
}

void BM_FullConversion(benchmark::State& state)
{
    const int scale = int(state.range(0));
    const QByteArray text = oldFile(1000 * scale, 100 * scale, 2000 * scale);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("config.ini")));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            state.SkipWithError("cannot write the old file");
            break;
        }
        file.close();
        Luminorix::Runner runner;
        runner.setLanguage(QStringLiteral("polish"));
        runner.setDirectory(dir.path());
        state.ResumeTiming();
        if (runner.convert() != 0) {
            state.SkipWithError("conversion failed");
            break;
        }
    }
    state.counters["old_bytes"] = double(text.size());
    // Wall time per scale unit: flat while the conversion stays linear.
    state.counters["per_unit"] = benchmark::Counter(scale, benchmark::Counter::kIsIterationInvariantRate |
                                                               benchmark::Counter::kInvert);
    state.SetLabel(QStringLiteral("%1 computers, %2 groups, %3 event sections")
                       .arg(1000 * scale)
                       .arg(100 * scale)
                       .arg(2000 * scale)
                       .toStdString());
}
BENCHMARK(BM_FullConversion)
    ->Arg(1)
    ->Arg(4)
    ->Arg(10)
    ->Arg(14)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
