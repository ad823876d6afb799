// A parameters log page of 40 columns (date, time, state, one plain value and
// twelve three-phase quantities) and 2,500 to 40,000 rows: decoded alone, and
// decoded and shown in the log viewer, drawn by the event loop. Both should
// grow linearly with the rows; the goal for 10,000 rows, shown, is under 100 ms.
//
//   bench_logs --hostile           hostile pages and histories, each shown in a
//                                  fresh process: time and memory gained
#include "benchsupport.h"
#include "logpage.h"
#include "logs/upseventswindow.h"
#include "logs/upslogswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QStringList>
#include <QTableView>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <functional>
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

QString history(int records, int shift);

// An event history of 100,000 to 800,000 records shown in its dialog, each
// value differing from the one before it: rebuilt every time, in linear time.
void BM_ShowHistory(benchmark::State& state)
{
    const int records = int(state.range(0));
    const QString values[] = {history(records, 0), history(records, 1)};
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

QString history(int records, int shift)
{
    QString events;
    events.reserve(records * 16);
    for (int i = 0; i < records; ++i)
        events += QStringLiteral("%1;%2;%3;%4;%5;%6|")
                      .arg(48 + (i + shift) % 34)
                      .arg(1 + i % 12)
                      .arg(1 + i % 28)
                      .arg(i % 24)
                      .arg(i % 60)
                      .arg((i + shift) % 60);
    return events;
}

// One hostile input, shown step by step; each step is timed.
struct Hostile
{
    const char* name;
    const char* what;
    // Builds the input, then returns the steps to time.
    std::function<QVector<QPair<const char*, std::function<void()>>>()> prepare;
};

std::unique_ptr<UpsLogsWindow> logsWindow;
std::unique_ptr<UpsEventsWindow> eventsWindow;

UpsLogsWindow* shownViewer(const char* type)
{
    logsWindow = std::make_unique<UpsLogsWindow>();
    logsWindow->setLogType(QLatin1String(type));
    logsWindow->show();
    QApplication::processEvents();
    return logsWindow.get();
}

void scrollDown(UpsLogsWindow* window)
{
    QScrollBar* bar = window->findChild<QTableView*>(QStringLiteral("logTable"))->verticalScrollBar();
    bar->setValue(bar->value() + 1);
    QApplication::processEvents();
}

const Hostile hostiles[] = {
    {"history", "event history of 1,000,000 records (16 MB): opened, a changed value, the same value again",
     [] {
         auto first = std::make_shared<QString>(history(1000000, 0));
         auto changed = std::make_shared<QString>(history(1000000, 1));
         auto same = std::make_shared<QString>(*changed);
         same->detach();
         eventsWindow = std::make_unique<UpsEventsWindow>();
         eventsWindow->show();
         QApplication::processEvents();
         return QVector<QPair<const char*, std::function<void()>>>{
             {"first", [first] { eventsWindow->setEvents(*first), QApplication::processEvents(); }},
             {"changed", [changed] { eventsWindow->setEvents(*changed), QApplication::processEvents(); }},
             {"same", [same] { eventsWindow->setEvents(*same), QApplication::processEvents(); }}};
     }},
    {"empty-keys", "parameters page of 50,000 empty keys and 50,000 empty lines (1 MB)",
     [] {
         auto lines = std::make_shared<QStringList>(QStringList{QString(49999, QLatin1Char(';'))});
         for (int i = 0; i < 50000; ++i)
             *lines << QString(QLatin1String(""));
         auto window = shownViewer("parameters");
         return QVector<QPair<const char*, std::function<void()>>>{
             {"decoded",
              [lines] {
                  benchmark::DoNotOptimize(LogPage::decode(QStringLiteral("parameters"), *lines).rowCount());
              }},
             {"shown", [window, lines] { window->setLogs(*lines), QApplication::processEvents(); }}};
     }},
    {"codes", "messages page of one line of 1,000,000 message codes",
     [] {
         QString line = QStringLiteral("2025-02-01,12:00:00");
         line.reserve(3000000);
         for (int i = 0; i < 1000000; ++i)
             line += i % 2 ? QStringLiteral(",5") : QStringLiteral(",27");
         auto lines = std::make_shared<QStringList>(QStringList{line});
         auto window = shownViewer("messages");
         return QVector<QPair<const char*, std::function<void()>>>{
             {"shown", [window, lines] { window->setLogs(*lines), QApplication::processEvents(); }}};
     }},
    {"cell", "parameters page of 100 rows, one cell of 5,000,000 characters",
     [] {
         auto lines = std::make_shared<QStringList>(QStringList{QStringLiteral("date;time;input_voltage")});
         for (int r = 0; r < 100; ++r)
             *lines << QStringLiteral("2025-02-01;12:%1:00;").arg(r % 60, 2, 10, QLatin1Char('0')) +
                           (r == 3 ? QString(5000000, QLatin1Char('7')) : QStringLiteral("230.1"));
         auto window = shownViewer("parameters");
         return QVector<QPair<const char*, std::function<void()>>>{
             {"shown", [window, lines] { window->setLogs(*lines), QApplication::processEvents(); }},
             {"scrolled", [window] { scrollDown(window); }}};
     }},
};

// Runs one hostile input in this process; prints "step ms peakMB virtualMB" a step.
int measureHostile(const QString& name)
{
    for (const Hostile& hostile : hostiles) {
        if (name != QLatin1String(hostile.name))
            continue;
        const auto steps = hostile.prepare();
        QTextStream out(stdout);
        for (const auto& step : steps) {
            QFile clear(QStringLiteral("/proc/self/clear_refs"));
            if (clear.open(QIODevice::WriteOnly))
                clear.write("5");
            clear.close();
            const long resident = Bench::statusKb("VmRSS");
            const long virtualSize = Bench::statusKb("VmSize");
            QElapsedTimer timer;
            timer.start();
            step.second();
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            out << step.first << ' ' << ms << ' ' << (Bench::statusKb("VmHWM") - resident) / 1024.0 << ' '
                << (Bench::statusKb("VmPeak") - virtualSize) / 1024.0 << '\n';
            out.flush();
        }
        return 0;
    }
    return 2;
}

int hostileTable(const QString& program)
{
    QTextStream out(stdout);
    out << "Each input in a fresh process. peak MB: resident memory gained by the step;\n"
           "virtual MB: address space reserved beyond what the process held before it.\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("input"), -12)
               .arg(QStringLiteral("step"), -9)
               .arg(QStringLiteral("ms"), 9)
               .arg(QStringLiteral("peak MB"), 9)
               .arg(QStringLiteral("virtual MB"), 11);
    out.flush();
    for (const Hostile& hostile : hostiles) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, {QStringLiteral("--hostile"), QLatin1String(hostile.name)});
        const bool finished = child.waitForFinished(600000);
        for (const QByteArray& line : child.readAllStandardOutput().trimmed().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() != 4)
                continue;
            out << QStringLiteral("%1 %2 %3 %4 %5\n")
                       .arg(QLatin1String(hostile.name), -12)
                       .arg(QString::fromLatin1(f[0]), -9)
                       .arg(f[1].toDouble(), 9, 'f', 1)
                       .arg(f[2].toDouble(), 9, 'f', 1)
                       .arg(f[3].toDouble(), 11, 'f', 1);
        }
        if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            out << hostile.name << ": the measurement failed (" << child.exitCode() << ")\n";
        out << hostile.what << "\n\n";
        out.flush();
    }
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--hostile") == 0) {
        const int code = argc == 3 ? measureHostile(QString::fromLocal8Bit(argv[2]))
                                   : hostileTable(QApplication::applicationFilePath());
        logsWindow.reset();
        eventsWindow.reset();
        return code;
    }
    auto window = std::make_unique<UpsLogsWindow>();
    window->setLogType(QStringLiteral("parameters"));
    window->show();
    viewer = window.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
