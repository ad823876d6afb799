#include "common/localsettings.h"
#include "tests/support/lxtestcore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <functional>

namespace {

QString configHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString settingsFolder()
{
    return configHome() + QStringLiteral("/Luminorix");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

#ifdef Q_OS_WIN
const char expectedPlatform[] = "Windows";
#else
const char expectedPlatform[] = "x86-64-deb";
#endif

} // namespace

using SettingsSetter = std::function<void(LocalSettings&)>;
using SettingsCheck = std::function<bool(const LocalSettings&)>;
Q_DECLARE_METATYPE(SettingsSetter)
Q_DECLARE_METATYPE(SettingsCheck)

class TestLocalSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Each case starts from an account that has never run the program.
        QDir(settingsFolder()).removeRecursively();
        QVERIFY(!QFileInfo::exists(settingsFolder()));
    }

    void pathIsInTheGenericConfigFolder()
    {
        QCOMPARE(LocalSettings::filePath(), configHome() + QStringLiteral("/Luminorix/orvendesk.ini"));
        QVERIFY(configHome().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))));
    }

    void firstStartWritesDefaults()
    {
        {
            LocalSettings settings;
            QCOMPARE(settings.serverAddress(), QStringLiteral("localhost"));
            QCOMPARE(settings.language(), QStringLiteral("english"));
            QCOMPARE(settings.platform(), QString::fromLatin1(expectedPlatform));
            QVERIFY(settings.checkUpdates());
            QVERIFY(!settings.dontShowAddUpsPrompt());
            QVERIFY(!settings.sortingUpsList());
            QVERIFY(!settings.sortingUpsListReversed());
        }
        QVERIFY(QFileInfo(settingsFolder()).isDir());
        QCOMPARE(readFile(LocalSettings::filePath()),
                 QByteArray("[General]\nserver_address=localhost\nlanguage=english\nplatform=") +
                     expectedPlatform + "\ncheck_updates=true\n");
    }

    // Without a configuration folder at all the defaults must still reach the disk.
    void missingConfigHomeIsCreated()
    {
        QDir(configHome()).removeRecursively();
        {
            LocalSettings settings;
            QCOMPARE(settings.serverAddress(), QStringLiteral("localhost"));
        }
        QVERIFY(QFileInfo(LocalSettings::filePath()).isFile());
    }

    void existingFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("serverAddress");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("checkUpdates");
        QTest::addColumn<bool>("dontShowPrompt");
        QTest::addColumn<bool>("sorting");
        QTest::addColumn<bool>("reversed");

        QTest::newRow("without check_updates")
            << QByteArray("[General]\nserver_address=10.1.2.3\nlanguage=polish\n") << "10.1.2.3"
            << "polish" << true << false << false << false;
        QTest::newRow("without server_address")
            << QByteArray("[General]\nlanguage=english\ncheck_updates=true\n") << QString() << "english"
            << true << false << false << false;
        QTest::newRow("check_updates false") << QByteArray("[General]\ncheck_updates=false\n") << QString()
                                             << QString() << false << false << false << false;
        QTest::newRow("flags as numbers")
            << QByteArray("[General]\ncheck_updates=0\ndont_show_addups_prompt=1\nsorting_ups_list=1\n"
                          "sorting_ups_list_reversed=0\n")
            << QString() << QString() << false << true << true << false;
        QTest::newRow("flags as words")
            << QByteArray("[General]\ndont_show_addups_prompt=true\nsorting_ups_list=false\n"
                          "sorting_ups_list_reversed=true\n")
            << QString() << QString() << true << true << false << true;
        QTest::newRow("empty file") << QByteArray() << QString() << QString() << true << false << false
                                    << false;
        QTest::newRow("keys in another group")
            << QByteArray("[Other]\nserver_address=far\ncheck_updates=false\n") << QString() << QString()
            << true << false << false << false;
    }

    // An existing file is read as it stands; first-start values are not added.
    void existingFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, serverAddress);
        QFETCH(QString, language);
        QFETCH(bool, checkUpdates);
        QFETCH(bool, dontShowPrompt);
        QFETCH(bool, sorting);
        QFETCH(bool, reversed);
        writeFile(LocalSettings::filePath(), content);
        {
            LocalSettings settings;
            QCOMPARE(settings.serverAddress(), serverAddress);
            QCOMPARE(settings.language(), language);
            QVERIFY(settings.platform().isEmpty());
            QCOMPARE(settings.checkUpdates(), checkUpdates);
            QCOMPARE(settings.dontShowAddUpsPrompt(), dontShowPrompt);
            QCOMPARE(settings.sortingUpsList(), sorting);
            QCOMPARE(settings.sortingUpsListReversed(), reversed);
        }
        QCOMPARE(readFile(LocalSettings::filePath()), content);
    }

    void directoryAtThePath()
    {
        QVERIFY(QDir().mkpath(LocalSettings::filePath()));
        {
            LocalSettings settings;
            QVERIFY(settings.serverAddress().isEmpty());
            QVERIFY(settings.language().isEmpty());
            QVERIFY(settings.platform().isEmpty());
            QVERIFY(settings.checkUpdates());
            QVERIFY(!settings.dontShowAddUpsPrompt());
            QVERIFY(!settings.sortingUpsList());
            QVERIFY(!settings.sortingUpsListReversed());
            // Handed over all the same; nothing to see and nothing may break.
            settings.setServerAddress(QStringLiteral("elsewhere"));
        }
        QVERIFY(QFileInfo(LocalSettings::filePath()).isDir());
        QVERIFY(QDir(LocalSettings::filePath()).isEmpty());
    }

    void settersPersist_data()
    {
        QTest::addColumn<SettingsSetter>("set");
        QTest::addColumn<SettingsCheck>("check");
        QTest::addColumn<QByteArray>("line");

        QTest::newRow("server address") << SettingsSetter([](LocalSettings& s) {
            s.setServerAddress(QStringLiteral("192.168.0.7"));
        }) << SettingsCheck([](const LocalSettings& s) {
            return s.serverAddress() == QLatin1String("192.168.0.7");
        }) << QByteArray("server_address=192.168.0.7");
        QTest::newRow("check updates off")
            << SettingsSetter([](LocalSettings& s) { s.setCheckUpdates(false); })
            << SettingsCheck([](const LocalSettings& s) { return !s.checkUpdates(); })
            << QByteArray("check_updates=false");
        QTest::newRow("add-UPS prompt")
            << SettingsSetter([](LocalSettings& s) { s.setDontShowAddUpsPrompt(true); })
            << SettingsCheck([](const LocalSettings& s) { return s.dontShowAddUpsPrompt(); })
            << QByteArray("dont_show_addups_prompt=true");
        QTest::newRow("sorting") << SettingsSetter([](LocalSettings& s) { s.setSortingUpsList(true); })
                                 << SettingsCheck([](const LocalSettings& s) { return s.sortingUpsList(); })
                                 << QByteArray("sorting_ups_list=true");
        QTest::newRow("sorting reversed")
            << SettingsSetter([](LocalSettings& s) { s.setSortingUpsListReversed(true); })
            << SettingsCheck([](const LocalSettings& s) { return s.sortingUpsListReversed(); })
            << QByteArray("sorting_ups_list_reversed=true");
    }

    void settersPersist()
    {
        QFETCH(SettingsSetter, set);
        QFETCH(SettingsCheck, check);
        QFETCH(QByteArray, line);
        {
            LocalSettings writer;
            set(writer);
        }
        const QByteArray file = readFile(LocalSettings::filePath());
        QVERIFY2(file.contains(line), file.constData());
        LocalSettings reader;
        QVERIFY(check(reader));
        // The other first-start values survive the write.
        QCOMPARE(reader.language(), QStringLiteral("english"));
        QCOMPARE(reader.platform(), QString::fromLatin1(expectedPlatform));
    }
};

LX_TEST_GUILESS_MAIN(TestLocalSettings)
#include "tst_localsettings.moc"
