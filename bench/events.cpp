// The advanced event dialog parses and prints its conditions as they are typed
// (a condition of 40 operators should take well under 50 µs) and reads its
// device's description file each time it opens (well under 5 ms).
//
// Hostile events: Edit of an event whose message is one line of 256 KiB to
// 4 MiB must take time linear in its size (the editor laying out the whole
// line took 5.6 s at 256 KiB and 78 s at 1 MiB: the "whole line" figures, kept
// to sizes that end), and Save of about 100k events, whose reply the link
// could not read back, is refused after one pass over the configuration.
#include "base/dialogrelay.h"
#include "benchsupport.h"
#include "events/conditiontext.h"
#include "events/devicedescription.h"
#include "events/expressiongrammar.h"
#include "events/messagetext.h"
#include "events/networkconfigurationwindow.h"
#include "framing.h"
#include "requestserializers.h"
#include "upssocketcontroller.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

// 41 operators (a condition built of comparisons always has an odd number):
// seven groups of three comparisons joined by "&&" and "||", the groups joined
// by "||", over keys, ON/OFF and numbers, without spaces as a user types.
QString fortyOperatorCondition()
{
    QStringList groups;
    for (int i = 0; i < 7; ++i) {
        groups.append(
            QStringLiteral("(stateNormal%1==ON&&paramOutputLoad%1>=80.5||messageCharging%1==OFF)").arg(i));
    }
    return groups.join(QStringLiteral("||"));
}

int operatorCount(const QString& postfix)
{
    static const QStringList operators = {"==", "!=", "<", "<=", ">", ">=", "||", "&&"};
    int count = 0;
    for (const QString& item : postfix.split(QLatin1Char(','), Qt::SkipEmptyParts))
        count += operators.contains(item) ? 1 : 0;
    return count;
}

void parseAndPrint(benchmark::State& state)
{
    const QString infix = fortyOperatorCondition();
    QString postfix;
    if (!ConditionText::infixToPostfix(infix, postfix))
        std::abort();
    state.counters["operators"] = operatorCount(postfix);
    for (auto _ : state) {
        ConditionText::infixToPostfix(infix, postfix);
        benchmark::DoNotOptimize(postfix);
    }
}
BENCHMARK(parseAndPrint)->Unit(benchmark::kMicrosecond);

void postfixBackToInfix(benchmark::State& state)
{
    const QStringList operators = {"==", "!=", "<", "<=", ">", ">=", "||", "&&", "( )"};
    QString postfix;
    if (!ConditionText::infixToPostfix(fortyOperatorCondition(), postfix))
        std::abort();
    for (auto _ : state) {
        QString infix = ConditionText::postfixToInfix(postfix, operators);
        benchmark::DoNotOptimize(infix);
    }
}
BENCHMARK(postfixBackToInfix)->Unit(benchmark::kMicrosecond);

// The grammar alone, on the spaced text: its share of the parse.
void parseOnly(benchmark::State& state)
{
    const std::string text = ConditionText::spaceOperators(fortyOperatorCondition()).toStdString();
    const ast::expression_grammar grammar;
    for (auto _ : state) {
        ast::expression_ast tree;
        grammar.parse(text, tree);
        benchmark::DoNotOptimize(tree);
    }
}
BENCHMARK(parseOnly)->Unit(benchmark::kMicrosecond);

// The two largest files: the most items, and the longest texts.
void loadDescription(benchmark::State& state, const char* model)
{
    Luminorix::Utils::Ups device;
    device.model_name = QLatin1String(model);
    device.parallel_unit = true;
    device.power_compensation = true;
    const DeviceDescription first = DeviceDescription::read(device, QStringLiteral("polish"));
    if (first.status != DeviceDescription::Read)
        std::abort();
    state.counters["items"] = first.offeredKeys.size();
    for (auto _ : state) {
        DeviceDescription description = DeviceDescription::read(device, QStringLiteral("polish"));
        benchmark::DoNotOptimize(description);
    }
}
BENCHMARK_CAPTURE(loadDescription, Harrier33, "Harrier33_USB")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(loadDescription, Ibis_SNMP, "Ibis_SNMP")->Unit(benchmark::kMicrosecond);

Event eventWithMessage(int number, const QString& text)
{
    Event event;
    event.event_state = QStringLiteral("stateNormal");
    event.expressionIn = QStringLiteral("stateNormal,ON,==,");
    event.expressionOut = QStringLiteral("stateNormal,OFF,==,");
    event.event_number = number;
    event.event_parentId = 0;
    event.messageAction.reset(new MessageAction);
    event.messageAction->message_text = text;
    return event;
}

// The dialog loaded with `events` in group 0, shown, its group selected.
struct LoadedDialog
{
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    NetworkConfigurationWindow dialog;

    explicit LoadedDialog(const QVector<Event>& events) : dialog(ups())
    {
        connectToService(&dialog, &controller, relay);
        Group group;
        group.group_name = QStringLiteral("Serwerownia");
        dialog.setGroupsFromConfig({group});
        dialog.setEventsFromConfig(events);
        dialog.setAllComputers({});
        dialog.show();
        auto* network = dialog.findChild<QTreeWidget*>(QStringLiteral("networkElementsTree"));
        network->setCurrentItem(network->topLevelItem(0));
        QApplication::processEvents();
    }
    static Luminorix::Utils::Ups ups()
    {
        Luminorix::Utils::Ups device;
        device.id = QStringLiteral("1");
        device.model_name = QStringLiteral("KitePro_USB");
        return device;
    }
};

// Edit of the event, until the editor is drawn.
void editLongLine(benchmark::State& state)
{
    const int kib = int(state.range(0));
    LoadedDialog loaded({eventWithMessage(1, QString(kib * 1024, QLatin1Char('x')))});
    auto* rows = loaded.dialog.findChild<QTreeWidget*>(QStringLiteral("eventsTree"));
    auto* edit = loaded.dialog.findChild<QPushButton*>(QStringLiteral("editEventButton"));
    auto* cancel = loaded.dialog.findChild<QPushButton*>(QStringLiteral("cancelEventButton"));
    for (auto _ : state) {
        rows->setCurrentItem(rows->topLevelItem(0));
        QElapsedTimer timer;
        timer.start();
        edit->click();
        QApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        cancel->click();
        QApplication::processEvents();
    }
    state.counters["KiB"] = kib;
}
BENCHMARK(editLongLine)
    ->Arg(256)
    ->Arg(1024)
    ->Arg(4096)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The same line given whole to an editor, as Edit did: quadratic, so only small sizes.
void wholeLineInAnEditor(benchmark::State& state)
{
    const int kib = int(state.range(0));
    const QString text(kib * 1024, QLatin1Char('x'));
    QPlainTextEdit editor;
    editor.show();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        editor.appendPlainText(text);
        QApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        editor.clear();
        QApplication::processEvents();
    }
    state.counters["KiB"] = kib;
}
BENCHMARK(wholeLineInAnEditor)
    ->Arg(16)
    ->Arg(64)
    ->Arg(256)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Save of about 100k events: refused, nothing sent; the figure is the pass
// that finds the reply too large.
void saveTooLargeConfiguration(benchmark::State& state)
{
    QVector<Event> events;
    for (int i = 1; i <= int(state.range(0)); ++i)
        events.append(eventWithMessage(i, QStringLiteral("Zasilanie sieciowe wróciło: %1").arg(i)));
    const qint64 replyBytes = Luminorix::serializeEvents(events, QStringLiteral("1")).size();
    LoadedDialog loaded(events);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        loaded.dialog.accept();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(widget))
                widget->close();
        }
        QApplication::processEvents();
    }
    state.counters["events"] = double(events.size());
    state.counters["replyMiB"] = double(replyBytes) / (1 << 20);
    state.counters["boundMiB"] = double(Luminorix::kMaxFrameLength) / (1 << 20);
    state.counters["refused"] = loaded.dialog.isVisible() ? 1 : 0;
}
BENCHMARK(saveTooLargeConfiguration)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    Bench::startOffscreen();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
