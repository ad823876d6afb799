// Every kind of hostile reply, the link's and the panel's, at growing sizes
// within the frame bound: each size built and measured in a fresh process of
// this program, so that one input's heap does not hide the next one's peak. A
// kind is linear when its per-unit columns stay flat down the sizes.
//
//   bench_hostile                  the whole table
//   bench_hostile KIND...          those kinds only
//   bench_hostile --one KIND SIZE [FILE]
//                                  one size of one kind, as the table runs each
//                                  (FILE: the bytes the table built for it)
#include "benchsupport.h"
#include "hostilekind.h"
#include "panel/panelstartup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextStream>
#include <malloc.h>

namespace {

QVector<HostileKind> allKinds()
{
    return linkHostileKinds() + widgetHostileKinds();
}

// Prints "units U", then a line a step: name, ms, peak kB, virtual kB, held kB
// and its result, separated by tabs.
int measureOne(const QString& name, double size, const QString& givenPath)
{
    for (const HostileKind& kind : allKinds()) {
        if (name != QLatin1String(kind.name))
            continue;
        QByteArray given;
        if (!givenPath.isEmpty()) {
            QFile file(givenPath);
            if (!file.open(QIODevice::ReadOnly))
                return 2;
            given = file.readAll();
        }
        const HostileKind::Input input = kind.prepare(size, given);
        given.clear();
        // What building the input freed goes back to the system, so that reusing
        // it counts as resident again.
        malloc_trim(0);
        QTextStream out(stdout);
        out << "units\t" << input.units << '\n';
        const long residentAtStart = Bench::statusKb("VmRSS");
        for (const HostileKind::Step& step : input.steps) {
            QFile clear(QStringLiteral("/proc/self/clear_refs"));
            if (clear.open(QIODevice::WriteOnly))
                clear.write("5"); // the resident peak starts again from here
            clear.close();
            const long resident = Bench::statusKb("VmRSS");
            const long virtualSize = Bench::statusKb("VmSize");
            const long virtualPeak = Bench::statusKb("VmPeak");
            QElapsedTimer timer;
            timer.start();
            const QString result = step.run();
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            // The virtual peak cannot be started again: a step that stays below an
            // earlier peak gets that one as its bound, marked negative.
            const long peakAfter = Bench::statusKb("VmPeak");
            const long virtualGained =
                peakAfter > virtualPeak ? peakAfter - virtualSize : -(virtualPeak - virtualSize);
            out << step.name << '\t' << ms << '\t' << qMax(0L, Bench::statusKb("VmHWM") - resident) << '\t'
                << virtualGained << '\t' << (Bench::statusKb("VmRSS") - residentAtStart) << '\t' << result
                << '\n';
            out.flush();
        }
        return 0;
    }
    return 2;
}

QString column(double value, int width, int decimals)
{
    return QStringLiteral("%1").arg(value, width, 'f', decimals);
}

int table(const QString& program, const QStringList& only)
{
    QTextStream out(stdout);
    out << "Each size in a fresh process. peak: resident memory gained by the step; virtual:\n"
           "address space gained (\"<\" where an earlier peak bounds it); held: resident memory\n"
           "gained since the first step, when this step is done. ms/unit and peak/unit stay flat\n"
           "when time and memory grow linearly with the input.\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
               .arg(QStringLiteral("kind"), -15)
               .arg(QStringLiteral("size"), 7)
               .arg(QStringLiteral("unit"), -10)
               .arg(QStringLiteral("step"), -8)
               .arg(QStringLiteral("ms"), 9)
               .arg(QStringLiteral("ms/unit"), 9)
               .arg(QStringLiteral("peak MB"), 8)
               .arg(QStringLiteral("peak/unit"), 9)
               .arg(QStringLiteral("virt MB"), 8)
               .arg(QStringLiteral("held MB"), 8)
               .arg(QStringLiteral("result"));
    out.flush();
    // A runtime folder of their own keeps the children's start quiet.
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")) && runtime.isValid()) {
        QFile::setPermissions(runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    }
    int failures = 0;
    for (const HostileKind& kind : allKinds()) {
        if (!only.isEmpty() && !only.contains(QLatin1String(kind.name)))
            continue;
        for (const double size : kind.sizes) {
            QStringList arguments{QStringLiteral("--one"), QLatin1String(kind.name), QString::number(size)};
            double givenUnits = 0;
            QTemporaryFile givenFile;
            if (kind.give) {
                const HostileKind::Given given = kind.give(size);
                givenUnits = given.units;
                if (!givenFile.open() || givenFile.write(given.bytes) != given.bytes.size())
                    return 1;
                givenFile.close();
                arguments << givenFile.fileName();
            }
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.setProcessEnvironment(environment);
            child.start(program, arguments);
            const bool finished = child.waitForFinished(600000);
            double units = 0;
            for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> f = line.split('\t');
                if (f.size() == 2 && f[0] == "units")
                    units = givenUnits > 0 ? givenUnits : f[1].toDouble();
                if (f.size() != 6 || units <= 0)
                    continue;
                const double ms = f[1].toDouble();
                const double peakMb = f[2].toDouble() / 1024;
                const double virtualMb = f[3].toDouble() / 1024;
                out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
                           .arg(QLatin1String(kind.name), -15)
                           .arg(units, 7, 'g', 4)
                           .arg(QLatin1String(kind.unit), -10)
                           .arg(QString::fromLatin1(f[0]), -8)
                           .arg(column(ms, 9, 1))
                           .arg(column(ms / units, 9, 2))
                           .arg(column(peakMb, 8, 1))
                           .arg(column(peakMb / units, 9, 2))
                           .arg(virtualMb < 0 ? QStringLiteral("<") + column(-virtualMb, 7, 1)
                                              : column(virtualMb, 8, 1))
                           .arg(column(f[4].toDouble() / 1024, 8, 1))
                           .arg(QString::fromUtf8(f[5]));
            }
            out.flush();
            if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
                out << kind.name << ' ' << size << ": the measurement failed (" << child.exitCode() << ")\n";
                ++failures;
            }
        }
        out << kind.what << "\n\n";
        out.flush();
    }
    return failures ? 1 : 0;
}
} // namespace

int main(int argc, char** argv)
{
    if ((argc == 4 || argc == 5) && qstrcmp(argv[1], "--one") == 0) {
        // The panel's own look, since the widget kinds lay out and draw.
        Bench::startOffscreen();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication application(argc, argv);
        applyStyleSheet(application);
        return measureOne(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]).toDouble(),
                          argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString());
    }
    QCoreApplication application(argc, argv);
    QStringList only = application.arguments().mid(1);
    return table(QCoreApplication::applicationFilePath(), only);
}
