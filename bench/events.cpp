// The advanced event dialog parses and prints its conditions as they are typed
// (a condition of 40 operators should take well under 50 µs) and reads its
// device's description file each time it opens (well under 5 ms). Its hostile
// events are measured by bench_hostile.
#include "panel/events/conditiontext.h"
#include "panel/events/devicedescription.h"
#include "panel/events/expressiongrammar.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
