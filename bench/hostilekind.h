#pragma once
// One kind of hostile input of bench_hostile: built at each of its sizes in a
// fresh process, then timed step by step.
#include <QByteArray>
#include <QString>
#include <QVector>
#include <functional>

struct HostileKind
{
    struct Step
    {
        const char* name;
        // Returns what came of the step where that tells something ("refused").
        std::function<QString()> run;
    };
    // The input as built: its size in the kind's unit, and the steps to time.
    struct Input
    {
        double units;
        QVector<Step> steps;
    };

    // Bytes built by the table's process and handed to the measuring one.
    struct Given
    {
        double units;
        QByteArray bytes;
    };

    const char* name;
    const char* what;
    const char* unit;
    // Arguments of `prepare`, smallest first; each a fresh process.
    QVector<double> sizes;
    // Gets what `give` built, if the kind has it.
    std::function<Input(double size, const QByteArray& given)> prepare;
    // Where set, the input is built outside the measuring process, so that no
    // memory freed after building it hides part of the peak, resident or virtual.
    std::function<Given(double size)> give = nullptr;
};

// Replies through the link alone (lx_link).
QVector<HostileKind> linkHostileKinds();
// Replies that reach a dialog or a table, shown offscreen.
QVector<HostileKind> widgetHostileKinds();
