// Arbitrary bytes as the converter's config.ini: the old-layout reader, the
// version dispatch and the writer's regrouping must neither crash nor grow
// without bound.
#include "converter/newconfiguration.h"
#include "converter/oldconfiguration.h"
#include "converter/runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

int counter = 0;

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_converter_reader";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // The cipher reports every stored password that does not decipher.
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A new name each time: the settings library caches what it read by path.
    const QString path = workDir().filePath(QStringLiteral("in%1.ini").arg(++counter));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    {
        OldConfiguration reader(path);
        if (reader.damage().isEmpty()) {
            Luminorix::Runner::routeFor(reader.version());
            QMap<int, OldEvent>* events = reader.readEvents();
            QList<OldGroup>* groups = reader.readGroups();
            OldGroup* ungrouped = reader.readUngroupedComputers();
            reader.readDevice();
            reader.readSmtp();
            reader.runAtBoot();
            reader.workMode();
            if (reader.errors().isEmpty()) {
                const QString out = workDir().filePath(QStringLiteral("out%1.ini").arg(counter));
                {
                    Luminorix::NewConfiguration writer(out, nullptr);
                    writer.writeNetwork(events, groups, ungrouped);
                    writer.migrateEvents();
                    QString error;
                    writer.finish(&error);
                }
                QFile::remove(out);
            }
        }
    }
    QFile::remove(path);
    return 0;
}
