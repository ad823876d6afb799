// The cfgshifter program as the installer runs it: copied beside a config.ini,
// with its command line, golden conversions of each release's layout, re-runs
// and failures that must leave config.ini as it was.
#include "cipher/cipherwrappers.h"
#include "inifixture.h"
#include "programversion.h"
#include "tests/support/lxtestcore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using KeyValues = QMap<QString, QString>;

namespace {

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCfgShifter : public QObject
{
    Q_OBJECT

private:
    // A folder holding a copy of the program, as the installer lays it out.
    QString programFolder(QTemporaryDir& dir)
    {
        const QString copy = dir.filePath(QStringLiteral("cfgshifter"));
        if (!QFile::copy(QStringLiteral(CFGSHIFTER_BINARY), copy))
            return QString();
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                        QFileDevice::ReadOther | QFileDevice::ExeOther);
        return dir.path();
    }

    static Result run(const QString& folder, const QStringList& arguments, bool unprivileged = false)
    {
        QProcess process;
        const QString program = folder + QStringLiteral("/cfgshifter");
        if (unprivileged && ::geteuid() == 0) {
            // The test's own temporary folder is private.
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("TMPDIR"), QDir::rootPath() + QStringLiteral("tmp"));
            process.setProcessEnvironment(environment);
            process.setProgram(QStandardPaths::findExecutable(QStringLiteral("setpriv")));
            process.setArguments(QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", program} +
                                 arguments);
        } else {
            process.setProgram(program);
            process.setArguments(arguments);
        }
        process.start();
        Result result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    // An old file of `count` events, whose new file is some twice its size.
    static QByteArray manyEvents(int count)
    {
        QByteArray config =
            "[device]\nups_model=Harrier33_USB\n[Groups]\ngroups_count=1\n[group.0]\nname=all "
            "computers\n[events]\nevents_count=" +
            QByteArray::number(count) + '\n';
        for (int i = 0; i < count; ++i)
            config += "[event." + QByteArray::number(i) + "]\neventNumber=" + QByteArray::number(i) +
                      "\nevent=stateNormal\naction=message\nparent_type=group\nid=0\n";
        return config;
    }

    static QByteArray fixture(const QString& name)
    {
        return IniFixture::readFile(QStringLiteral(CONVERTER_TEST_DATA "/") + name);
    }

    // Lets the unprivileged user reach the folder (the test's home is private).
    static bool openForNobody(const QString& folder, bool giveAway)
    {
        if (::geteuid() != 0)
            return true;
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            return false;
        for (QDir dir(folder); !dir.isRoot(); dir.cdUp()) {
            struct stat info;
            if (::stat(QFile::encodeName(dir.path()).constData(), &info) == 0 && info.st_uid == ::geteuid() &&
                !(info.st_mode & S_IXOTH))
                ::chmod(QFile::encodeName(dir.path()).constData(), info.st_mode | S_IXOTH);
        }
        if (giveAway) {
            const passwd* nobody = ::getpwnam("nobody");
            const group* nogroup = ::getgrnam("nogroup");
            return nobody && nogroup &&
                   ::chown(QFile::encodeName(folder).constData(), nobody->pw_uid, nogroup->gr_gid) == 0;
        }
        return true;
    }

    static void giveFileToNobody(const QString& path)
    {
        if (::geteuid() != 0)
            return;
        const passwd* nobody = ::getpwnam("nobody");
        const group* nogroup = ::getgrnam("nogroup");
        if (nobody && nogroup)
            QVERIFY(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nogroup->gr_gid) == 0);
    }

    static bool hasSetpriv()
    {
        return ::geteuid() != 0 || !QStandardPaths::findExecutable("setpriv").isEmpty();
    }

    static Result finish(QProcess& process)
    {
        Result result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    // Runs the program with every file it writes limited to limit bytes; the
    // signal is ignored, so a write beyond the limit fails as on a full disk.
    static Result runWithSizeLimit(const QString& folder, qint64 limit)
    {
        QProcess process;
        process.start(QStringLiteral("sh"),
                      {"-c", "trap '' XFSZ; exec prlimit --fsize=\"$1\" \"$2\" polish", "sh",
                       QString::number(limit), folder + QStringLiteral("/cfgshifter")});
        return finish(process);
    }

    // What a run on a full disk left: the program's folder on a small file system of
    // its own with only room pages free. The file system lives in a mount namespace
    // that ends with the run, so no mount outlives it. Empty names when mounting is
    // not allowed here.
    struct DiskRun
    {
        Result result;
        QStringList names;
        QMap<QString, QByteArray> files;
    };

    static DiskRun runOnFullDisk(const QString& source, int room)
    {
        static const char script[] = R"sh(
mount -t tmpfs -o "size=$5,mode=0755" lxtest "$3" || exit 0
cp "$1" "$3/cfgshifter" && cp -p "$2/config.ini" "$2/config_old.ini" "$3/" || exit 3
dd if=/dev/zero of="$3/filler" bs=4096 2>/dev/null
if [ "$6" -gt 0 ]; then truncate -s "-$(($6 * 4096))" "$3/filler" || exit 3; fi
"$3/cfgshifter" polish >"$4/stdout" 2>"$4/stderr"
echo $? >"$4/exit"
ls -A "$3" >"$4/names"
for f in config.ini config_old.ini; do if [ -e "$3/$f" ]; then cp "$3/$f" "$4/$f"; fi; done
)sh";
        DiskRun run;
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty())
            return run;
        const QDir root(source);
        if (!root.mkpath(QStringLiteral("mount")) || !root.mkpath(QStringLiteral("out")))
            return run;
        const QString out = root.filePath(QStringLiteral("out"));
        // The program, its files and a page or two of the file system's own.
        const qint64 size = QFileInfo(QStringLiteral(CFGSHIFTER_BINARY)).size() +
                            QFileInfo(source + QStringLiteral("/config.ini")).size() +
                            QFileInfo(source + QStringLiteral("/config_old.ini")).size() + (1 << 20) +
                            qint64(room) * 4096;
        QStringList arguments{"--mount", "--propagation", "private"};
        if (::geteuid() != 0)
            arguments.append(QStringLiteral("--map-root-user"));
        arguments += QStringList{"sh",
                                 "-c",
                                 script,
                                 "sh",
                                 QStringLiteral(CFGSHIFTER_BINARY),
                                 source,
                                 root.filePath(QStringLiteral("mount")),
                                 out,
                                 QString::number(size),
                                 QString::number(room)};
        QProcess process;
        process.start(unshare, arguments);
        if (finish(process).exitCode != 0)
            return run;
        const QByteArray exitCode = IniFixture::readFile(out + QStringLiteral("/exit")).trimmed();
        if (exitCode.isEmpty())
            return run;
        run.result.exitCode = exitCode.toInt();
        run.result.out = IniFixture::readFile(out + QStringLiteral("/stdout"));
        run.result.err = IniFixture::readFile(out + QStringLiteral("/stderr"));
        run.names = QString::fromUtf8(IniFixture::readFile(out + QStringLiteral("/names")))
                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& name : {QStringLiteral("config.ini"), QStringLiteral("config_old.ini")}) {
            if (QFileInfo::exists(out + QLatin1Char('/') + name))
                run.files.insert(name, IniFixture::readFile(out + QLatin1Char('/') + name));
        }
        return run;
    }

    static unsigned modeOf(const QString& path)
    {
        struct stat info;
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            return 0;
        return info.st_mode;
    }

private slots:
    void golden_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("language");
        QTest::newRow("before 2.3, extended model") << "pre23_extended"
                                                    << "polish";
        QTest::newRow("before 2.3, other model") << "pre23_other"
                                                 << "polish";
        QTest::newRow("2.3.0") << "v230"
                               << "polish";
        QTest::newRow("2.3.1") << "v231"
                               << "polish";
        QTest::newRow("2.3.2") << "v232"
                               << "polish";
        QTest::newRow("2.3.5") << "v235"
                               << "polish";
        QTest::newRow("2.4.3") << "v243"
                               << "english";
        QTest::newRow("2.6.0") << "v260"
                               << "english";
    }

    void golden()
    {
        QFETCH(QString, name);
        QFETCH(QString, language);
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        QVERIFY(!folder.isEmpty());
        const QString config = folder + QStringLiteral("/config.ini");
        const QString backup = folder + QStringLiteral("/config_old.ini");
        const QByteArray input = IniFixture::withCipherTexts(fixture(name + QStringLiteral(".ini")));
        QVERIFY(!input.isEmpty());
        QVERIFY(IniFixture::writeFile(config, input));
        const QByteArray earlierBackup = "[General]\nversion=2.2.0\n";
        QVERIFY(IniFixture::writeFile(backup, earlierBackup));

        const Result first = run(folder, {language});
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(first.out, QByteArray());
        QCOMPARE(first.err, QByteArray());

        const QString expectedPath =
            QStringLiteral(CONVERTER_TEST_DATA "/") + name + QStringLiteral(".expected.ini");
        if (name == QLatin1String("v260")) {
            // Nothing to convert: both files stay exactly as they were.
            QCOMPARE(IniFixture::readFile(config), input);
            QCOMPARE(IniFixture::readFile(backup), earlierBackup);
        } else {
            QCOMPARE(IniFixture::readFile(backup), input);
            QCOMPARE(IniFixture::withPlainPasswords(IniFixture::keyValues(config)),
                     IniFixture::keyValues(expectedPath));
        }

        // A second run finds a current file and changes nothing.
        const QByteArray converted = IniFixture::readFile(config);
        const QByteArray kept = IniFixture::readFile(backup);
        const Result second = run(folder, {language});
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(IniFixture::readFile(config), converted);
        QCOMPARE(IniFixture::readFile(backup), kept);
    }

    void fullConversionWritesEscapedAscii()
    {
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", "[General]\nwork_mode=wróciło\n"));
        QCOMPARE(run(folder, {"polish"}).exitCode, 0);
        const QByteArray bytes = IniFixture::readFile(folder + "/config.ini");
        for (const char c : bytes)
            QVERIFY(uchar(c) < 0x80);
        QVERIFY(bytes.contains("work_mode=wr\\xf3\\x63i\\x142o"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("withConfig");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("outputStart");

        QTest::newRow("help") << QStringList{"--help"} << true << 0 << QByteArray("Usage:");
        QTest::newRow("version") << QStringList{"--version"} << true << 0
                                 << QByteArray("cfgshifter ") + programVersion + "\n";
        QTest::newRow("version without config.ini")
            << QStringList{"--version"} << false << 0 << QByteArray("cfgshifter ") + programVersion + "\n";
        QTest::newRow("no argument") << QStringList{} << true << 1 << QByteArray("Usage:");
        QTest::newRow("two arguments")
            << QStringList{"polish", "english"} << true << 1 << QByteArray("Usage:");
        QTest::newRow("word in other letter case")
            << QStringList{"English"} << true << 1 << QByteArray("Usage:");
        QTest::newRow("unknown word") << QStringList{"klingon"} << true << 1 << QByteArray("Usage:");
        QTest::newRow("unknown option") << QStringList{"--bogus", "polish"} << true << 1 << QByteArray();
        QTest::newRow("missing config.ini")
            << QStringList{"english"} << false << 1 << QByteArray("Nie wykryto pliku config.ini");
        QTest::newRow("missing config.ini, unknown word")
            << QStringList{"klingon"} << false << 1 << QByteArray("Nie wykryto pliku config.ini");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, withConfig);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, outputStart);
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QByteArray input = fixture(QStringLiteral("pre23_other.ini"));
        if (withConfig)
            QVERIFY(IniFixture::writeFile(folder + "/config.ini", input));

        const Result result = run(folder, arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.out.startsWith(outputStart), result.out.constData());
        if (outputStart.startsWith("Nie wykryto"))
            QCOMPARE(result.out, outputStart); // no line end
        if (withConfig)
            QCOMPARE(IniFixture::readFile(folder + "/config.ini"), input);
        QVERIFY(!QFileInfo::exists(folder + "/config_old.ini"));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("message"); // a part of the one line on stderr

        QTest::newRow("newer release") << QByteArray("[General]\nversion=2.7.0\n[device.0]\nups_model=X\n")
                                       << QByteArray("nowszej wersji programu (2.7.0)");
        QTest::newRow("much newer release")
            << QByteArray("[General]\nversion=10.0\n") << QByteArray("(10.0)");
        QTest::newRow("unknown release between")
            << QByteArray("[General]\nversion=2.4.9\n") << QByteArray("nieznaną wersję \"2.4.9\"");
        QTest::newRow("shortened name") << QByteArray("[General]\nversion=2.6\n") << QByteArray("\"2.6\"");
        QTest::newRow("leading blank")
            << QByteArray("[General]\nversion=\" 2.6.0\"\n") << QByteArray("\" 2.6.0\"");
        QTest::newRow("no version at all")
            << QByteArray("[General]\nversion=beta\n") << QByteArray("\"beta\"");
        QTest::newRow("damaged count")
            << QByteArray("[events]\nevents_count=7x\n[event.0]\neventNumber=0\nevent=a\naction=message\n")
            << QByteArray("events/events_count");
        QTest::newRow("garbage bytes")
            << QByteArray("\x7f\x45\x4c\x46\x02\x01\x01\x00\x00\x00\x10\x00garbage", 19)
            << QByteArray("(wiersz 1)");
        QTest::newRow("prose") << QByteArray("[General]\nversion=2.2.0\nSome notes here\n")
                               << QByteArray("(wiersz 3)");
        QTest::newRow("a key that cannot be read back")
            << QByteArray("[General]\nversion=2.4.3\n%2f=a\n") << QByteArray("klucz \"/\"");
        QTest::newRow("a key ending in a slash")
            << QByteArray("[s]\nx=1\na%2F=b\n[General]\nversion=2.2.0\n") << QByteArray("klucz \"s/a/\"");
    }

    void refused()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, message);
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", config));
        const QByteArray earlierBackup = "[General]\nversion=2.2.0\n";
        QVERIFY(IniFixture::writeFile(folder + "/config_old.ini", earlierBackup));

        const Result result = run(folder, {"polish"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(message), result.err.constData());
        QVERIFY(result.err.contains("config.ini"));
        QCOMPARE(result.err.count('\n'), 1);
        QCOMPARE(IniFixture::readFile(folder + "/config.ini"), config);
        QCOMPARE(IniFixture::readFile(folder + "/config_old.ini"), earlierBackup);
    }

    // A service writing through the settings library holds the file's lock while it
    // writes: a run waits for it and, while it stays taken, changes nothing.
    void lockHeldByTheService()
    {
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QByteArray input = fixture(QStringLiteral("v243.ini"));
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", input));
        QLockFile lock(folder + "/config.ini.lock");
        QVERIFY(lock.lock());

        const Result held = run(folder, {"polish"});
        QCOMPARE(held.exitCode, 1);
        QVERIFY2(held.err.contains("config.ini.lock"), held.err.constData());
        QCOMPARE(held.err.count('\n'), 1);
        QCOMPARE(IniFixture::readFile(folder + "/config.ini"), input);
        QVERIFY(!QFileInfo::exists(folder + "/config_old.ini"));

        lock.unlock();
        QCOMPARE(run(folder, {"polish"}).exitCode, 0);
        QCOMPARE(IniFixture::readFile(folder + "/config_old.ini"), input);
        QVERIFY(!QFileInfo::exists(folder + "/config.ini.lock"));
    }

    void backupThatCannotBeReplaced()
    {
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QByteArray input = fixture(QStringLiteral("pre23_other.ini"));
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", input));
        QVERIFY(QDir(folder).mkdir(QStringLiteral("config_old.ini")));
        QVERIFY(IniFixture::writeFile(folder + "/config_old.ini/keep", "x"));

        const Result result = run(folder, {"polish"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("config_old.ini"), result.err.constData());
        QCOMPARE(IniFixture::readFile(folder + "/config.ini"), input);
        QCOMPARE(IniFixture::readFile(folder + "/config_old.ini/keep"), QByteArray("x"));
    }

    void unwritableFolder()
    {
        if (!hasSetpriv())
            QSKIP("setpriv is needed to run the program as an unprivileged user");
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QByteArray input = fixture(QStringLiteral("pre23_other.ini"));
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", input));
        QVERIFY(openForNobody(folder, false)); // reachable and readable, not writable
        // Without the superuser the program runs as this user, the folder's owner.
        const bool own = ::geteuid() != 0;
        if (own)
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0555), 0);

        const Result result = run(folder, {"polish"}, true);
        if (own)
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(qt_error_string(EACCES).toUtf8()), result.err.constData());
        QCOMPARE(result.err.count('\n'), 1);
        QCOMPARE(IniFixture::readFile(folder + "/config.ini"), input);
        QVERIFY(!QFileInfo::exists(folder + "/config_old.ini"));
    }

    // Whatever step runs out of room, config.ini stays as it was, the backup is the
    // earlier one or the file as found, nothing is left behind, and the message
    // names the cause.
    void outOfRoom_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("junk");   // bytes of a section the conversion drops
        QTest::addColumn<bool>("disk");  // a full disk, else a file-size limit
        QTest::addColumn<int>("amount"); // free pages, or the limit in bytes
        QTest::addColumn<int>("cause");

        QTest::newRow("size limit 0") << "pre23_extended" << 0 << false << 0 << EFBIG;
        QTest::newRow("size limit 600") << "pre23_extended" << 0 << false << 600 << EFBIG;
        QTest::newRow("size limit 600, event migration") << "v230" << 0 << false << 600 << EFBIG;
        QTest::newRow("size limit 300, version stamp") << "v243" << 0 << false << 300 << EFBIG;
        QTest::newRow("size limit: room for the new file only")
            << "pre23_other" << 5000 << false << 2000 << EFBIG;
        QTest::newRow("full disk") << "pre23_extended" << 0 << true << 0 << ENOSPC;
        QTest::newRow("one free page") << "pre23_extended" << 0 << true << 1 << ENOSPC;
        QTest::newRow("one free page, version stamp") << "v243" << 0 << true << 1 << ENOSPC;
        QTest::newRow("two free pages: room for the new file only")
            << "pre23_other" << 5000 << true << 2 << ENOSPC;
        // The new file outgrows the room that the old one (and a probe of its size) finds.
        QTest::newRow("many events: room for 3 MB") << "many events" << 0 << true << 768 << ENOSPC;
    }

    void outOfRoom()
    {
        QFETCH(QString, input);
        QFETCH(int, junk);
        QFETCH(bool, disk);
        QFETCH(int, amount);
        QFETCH(int, cause);
        if (!disk && QStandardPaths::findExecutable(QStringLiteral("prlimit")).isEmpty())
            QSKIP("prlimit is needed to limit the size of files");
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        QVERIFY(!folder.isEmpty());
        QByteArray config = input == QLatin1String("many events")
                                ? manyEvents(20000)
                                : IniFixture::withCipherTexts(fixture(input + QStringLiteral(".ini")));
        if (junk)
            config += "\n[notes]\ntext=" + QByteArray(junk, 'x') + "\n";
        const QByteArray earlierBackup = "[General]\nversion=2.2.0\n";
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", config));
        QVERIFY(IniFixture::writeFile(folder + "/config_old.ini", earlierBackup));

        Result result;
        QStringList names;
        QMap<QString, QByteArray> files;
        if (disk) {
            const DiskRun run = runOnFullDisk(folder, amount);
            if (run.names.isEmpty())
                QSKIP("a small file system cannot be mounted here");
            result = run.result;
            names = run.names;
            files = run.files;
            QVERIFY(names.removeOne(QStringLiteral("filler")));
        } else {
            result = runWithSizeLimit(folder, amount);
            names =
                QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& name : {QStringLiteral("config.ini"), QStringLiteral("config_old.ini")})
                files.insert(name, IniFixture::readFile(folder + QLatin1Char('/') + name));
        }

        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(qt_error_string(cause).toUtf8()), result.err.constData());
        QCOMPARE(files.value(QStringLiteral("config.ini")), config);
        const QByteArray backup = files.value(QStringLiteral("config_old.ini"));
        QVERIFY2(backup == earlierBackup || backup == config, backup.constData());
        names.sort();
        QCOMPARE(names, QStringList({"cfgshifter", "config.ini", "config_old.ini"}));
    }

    void configLinks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("cause");
        QTest::newRow("to a missing file") << "gone.ini" << ENOENT;
        QTest::newRow("to itself") << "config.ini" << ELOOP;
    }

    void configLinks()
    {
        QFETCH(QString, target);
        QFETCH(int, cause);
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        QVERIFY(QFile::link(target, folder + "/config.ini"));

        const Result result = run(folder, {"polish"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.out.startsWith("Nie wykryto pliku config.ini: "), result.out.constData());
        QVERIFY2(result.out.contains(target.toUtf8()), result.out.constData());
        QVERIFY2(result.out.contains(qt_error_string(cause).toUtf8()), result.out.constData());
        QCOMPARE(QFileInfo(folder + "/config.ini").symLinkTarget(), QDir(folder).filePath(target));
        QCOMPARE(
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList({"cfgshifter", "config.ini"}));
    }

    // A config.ini that names a file elsewhere: that file is converted, the link stays.
    void configLinkIsWrittenThrough()
    {
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
        const QString real = dir.filePath(QStringLiteral("elsewhere/service.ini"));
        const QByteArray input = fixture(QStringLiteral("v243.ini"));
        QVERIFY(IniFixture::writeFile(real, input));
        QVERIFY(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(QFile::link(real, folder + "/config.ini"));

        const Result result = run(folder, {"english"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QFileInfo(folder + "/config.ini").symLinkTarget(), real);
        QCOMPARE(IniFixture::keyValues(real).value("version"), QStringLiteral("2.6.0"));
        QCOMPARE(modeOf(real) & 0777, 0600u);
        QCOMPARE(IniFixture::readFile(folder + "/config_old.ini"), input);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("elsewhere")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"service.ini"});
    }

    // The backup holds the same passwords as config.ini: nobody else may read it.
    void backupTakesTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("0600") << 0600;
        QTest::newRow("0640") << 0640;
        QTest::newRow("0604") << 0604;
        QTest::newRow("0644") << 0644;
    }

    void backupTakesTheMode()
    {
        QFETCH(int, mode);
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QString config = folder + "/config.ini";
        const QString backup = folder + "/config_old.ini";
        QVERIFY(IniFixture::writeFile(config, fixture(QStringLiteral("pre23_other.ini"))));
        QCOMPARE(::chmod(QFile::encodeName(config).constData(), mode_t(mode)), 0);
        // An earlier backup open to all does not keep its mode.
        QVERIFY(IniFixture::writeFile(backup, "[General]\nversion=2.2.0\n"));
        QCOMPARE(::chmod(QFile::encodeName(backup).constData(), 0666), 0);

        QCOMPARE(run(folder, {"polish"}).exitCode, 0);
        QCOMPARE(modeOf(backup) & 07777, unsigned(mode));
        QCOMPARE(modeOf(config) & 07777, unsigned(mode));
        QCOMPARE(IniFixture::readFile(backup), fixture(QStringLiteral("pre23_other.ini")));
    }

    // A config_old.ini that is a link is replaced by the backup; what it names is untouched.
    void backupLinkIsReplaced_data()
    {
        QTest::addColumn<bool>("folder"); // the link names a folder, else a file
        QTest::addColumn<bool>("exists");
        QTest::newRow("link to a file") << false << true;
        QTest::newRow("link to a missing file") << false << false;
        QTest::newRow("link to a folder") << true << true;
    }

    void backupLinkIsReplaced()
    {
        QFETCH(bool, folder);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString program = programFolder(dir);
        const QByteArray input = fixture(QStringLiteral("pre23_other.ini"));
        QVERIFY(IniFixture::writeFile(program + "/config.ini", input));
        const QString target = dir.filePath(QStringLiteral("precious"));
        const QString kept = folder ? target + QStringLiteral("/passwd") : target;
        if (folder)
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("precious")));
        if (exists)
            QVERIFY(IniFixture::writeFile(kept, "keep me\n"));
        QVERIFY(QFile::link(target, program + "/config_old.ini"));

        QCOMPARE(run(program, {"polish"}).exitCode, 0);
        QVERIFY(S_ISREG(modeOf(program + "/config_old.ini")));
        QCOMPARE(IniFixture::readFile(program + "/config_old.ini"), input);
        QCOMPARE(QFileInfo::exists(kept), exists);
        if (exists)
            QCOMPARE(IniFixture::readFile(kept), QByteArray("keep me\n"));
    }

    // What a killed run left beside config.ini is removed by the next one; links in
    // it are removed, never followed.
    void leftoversOfAKilledRun_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::newRow("folder, then a conversion") << "folder"
                                                   << "pre23_extended";
        QTest::newRow("folder, then a current file") << "folder"
                                                     << "v260";
        QTest::newRow("link to a folder") << "link"
                                          << "v243";
        QTest::newRow("file") << "file"
                              << "v243";
    }

    void leftoversOfAKilledRun()
    {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        QVERIFY(IniFixture::writeFile(folder + "/config.ini",
                                      IniFixture::withCipherTexts(fixture(input + ".ini"))));
        const QString outside = dir.filePath(QStringLiteral("outside"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("outside")));
        QVERIFY(IniFixture::writeFile(outside + "/keep", "keep me\n"));
        const QString work = folder + QStringLiteral("/.cfgshifter.tmp");
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(folder).mkpath(QStringLiteral(".cfgshifter.tmp/deeper")));
            QVERIFY(IniFixture::writeFile(work + "/config.ini", QByteArray(7 << 20, 'x')));
            QVERIFY(QFile::link(outside, work + "/deeper/outside"));
            QVERIFY(QFile::link(outside + "/keep", work + "/keep"));
        } else if (kind == QLatin1String("link")) {
            QVERIFY(QFile::link(outside, work));
        } else {
            QVERIFY(IniFixture::writeFile(work, "x"));
        }

        const Result result = run(folder, {"polish"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(!QFileInfo(work).exists() && !QFileInfo(work).isSymLink());
        QCOMPARE(IniFixture::readFile(outside + "/keep"), QByteArray("keep me\n"));
    }

    void unreadableConfig()
    {
        if (!hasSetpriv())
            QSKIP("setpriv is needed to run the program as an unprivileged user");
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QByteArray input = fixture(QStringLiteral("pre23_other.ini"));
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", input));
        QVERIFY(QFile::setPermissions(folder + "/config.ini", QFileDevice::Permissions()));
        QVERIFY(openForNobody(folder, true));

        const Result result = run(folder, {"polish"}, true);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("Nie można odczytać pliku"), result.err.constData());
        QVERIFY(QFile::setPermissions(folder + "/config.ini", QFileDevice::ReadOwner));
        QCOMPARE(IniFixture::readFile(folder + "/config.ini"), input);
    }

    void readOnlyConfigGetsOwnerWrite_data()
    {
        QTest::addColumn<bool>("unprivileged");
        QTest::newRow("as this user") << false;
        QTest::newRow("as an unprivileged owner") << true;
    }

    void readOnlyConfigGetsOwnerWrite()
    {
        QFETCH(bool, unprivileged);
        if (unprivileged && !hasSetpriv())
            QSKIP("setpriv is needed to run the program as an unprivileged user");
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QString config = folder + "/config.ini";
        QVERIFY(IniFixture::writeFile(config, fixture(QStringLiteral("pre23_other.ini"))));
        const QFileDevice::Permissions readOnly =
            QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(config, readOnly));
        if (unprivileged) {
            giveFileToNobody(config);
            QVERIFY(openForNobody(folder, true));
        }

        const Result result = run(folder, {"polish"}, unprivileged);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        // Mode as it was plus the owner's write permission: readable by the service.
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(config).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), 0644);
        QCOMPARE(IniFixture::keyValues(config).value("version"), QString(programVersion));
        if (unprivileged && ::geteuid() == 0)
            QCOMPARE(info.st_uid, ::getpwnam("nobody")->pw_uid);
    }

    void ownerIsKept()
    {
        if (::geteuid() != 0)
            QSKIP("only the superuser can give a file away");
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QString config = folder + "/config.ini";
        QVERIFY(IniFixture::writeFile(config, fixture(QStringLiteral("pre23_other.ini"))));
        giveFileToNobody(config);
        QCOMPARE(run(folder, {"polish"}).exitCode, 0);
        const uid_t nobody = ::getpwnam("nobody")->pw_uid;
        const gid_t nogroup = ::getgrnam("nogroup")->gr_gid;
        for (const QString& path : {config, folder + "/config_old.ini"}) {
            QCOMPARE(QFileInfo(path).ownerId(), nobody);
            QCOMPARE(QFileInfo(path).groupId(), nogroup);
        }
    }

    // A user who cannot give the files config.ini's group keeps them from every group.
    void groupThatCannotBeGiven()
    {
        if (::geteuid() != 0)
            QSKIP("only the superuser can prepare a file of a group its owner is not in");
        if (!hasSetpriv())
            QSKIP("setpriv is needed to run the program as an unprivileged user");
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QString config = folder + "/config.ini";
        QVERIFY(IniFixture::writeFile(config, fixture(QStringLiteral("pre23_other.ini"))));
        QVERIFY(::chown(QFile::encodeName(config).constData(), ::getpwnam("nobody")->pw_uid, 0) == 0);
        QCOMPARE(::chmod(QFile::encodeName(config).constData(), 0640), 0);
        QVERIFY(openForNobody(folder, true));

        const Result result = run(folder, {"polish"}, true);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(modeOf(folder + "/config_old.ini") & 07777, 0600u);
        QCOMPARE(modeOf(config) & 07777, 0600u);
    }

    void undecipherablePasswordsAreKept()
    {
        QTemporaryDir dir;
        const QString folder = programFolder(dir);
        const QByteArray input =
            "[device]\nups_model=Osprey\n[smtp]\npass=bm90IGEgY2lwaGVy\n"
            "[Computers]\ncomputers_count=2\n[Computer.0]\nname=a\npassword=QUILLMARBERON\n"
            "[Computer.1]\nname=b\npassword=" +
            encryptComputerPassword(QStringLiteral("dobre")).toLatin1() + "\n";
        QVERIFY(IniFixture::writeFile(folder + "/config.ini", input));

        const Result result = run(folder, {"polish"});
        QCOMPARE(result.exitCode, 0);
        // One warning per password; the cipher may add its own diagnostics.
        QCOMPARE(result.err.count("Ostrzeżenie"), 2);
        const KeyValues all = IniFixture::keyValues(folder + "/config.ini");
        QCOMPARE(all.value("smtp/pass"), QStringLiteral("bm90IGEgY2lwaGVy"));
        QCOMPARE(all.value("computer.0/password"), QStringLiteral("QUILLMARBERON"));
        QCOMPARE(decryptComputerPassword(all.value("computer.1/password")), QStringLiteral("dobre"));
    }
};

LX_TEST_GUILESS_MAIN(TestCfgShifter)
#include "tst_cfgshifter.moc"
