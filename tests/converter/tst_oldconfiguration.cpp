// The reader of the old layout: counts, merging of event sections, group
// lists, passwords, letter case and files that are no settings file.
#include "cipher/cipherwrappers.h"
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"
#include "converter/oldconfiguration.h"
#include "inifixture.h"
#include "tests/support/lxtestcore.h"

#include <QTemporaryDir>
#include <memory>

class TestOldConfiguration : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int files = 0;

    std::unique_ptr<OldConfiguration> open(const QByteArray& text)
    {
        // A new name each time: the settings library caches what it read by path.
        const QString path = dir.filePath(QStringLiteral("config%1.ini").arg(++files));
        if (!IniFixture::writeFile(path, text))
            return nullptr;
        return std::make_unique<OldConfiguration>(path);
    }

    static QList<int> numbers(const QList<OldComputer>& computers)
    {
        QList<int> result;
        for (const OldComputer& computer : computers)
            result.append(computer.number);
        return result;
    }

private slots:
    void generalAndDeviceKeys()
    {
        auto reader =
            open("[General]\nversion=2.2.0\nrun_at_boot=true\n"
                 "[Device]\nUPS_Model=Falcon3\n"
                 "[communication]\ncom_port=COM2\nagent_ip=1.2.3.4\nread_community=r\nwrite_community=w\n");
        QVERIFY(reader->damage().isEmpty());
        QCOMPARE(reader->version(), QStringLiteral("2.2.0"));
        QVERIFY(reader->runAtBoot());
        QCOMPARE(reader->workMode(), QStringLiteral("luminorix"));
        const OldDeviceConfig device = reader->readDevice();
        QCOMPARE(device.ups_model, QStringLiteral("Falcon3"));
        QCOMPARE(device.com_port, QStringLiteral("COM2"));
        QCOMPARE(device.agent_ip, QStringLiteral("1.2.3.4"));
        QCOMPARE(device.read_community, QStringLiteral("r"));
        QCOMPARE(device.write_community, QStringLiteral("w"));
        QVERIFY(device.communication.isEmpty());

        auto empty = open("[other]\nx=1\n");
        QCOMPARE(empty->readDevice().ups_model, QStringLiteral("Unknown"));
        QVERIFY(!empty->runAtBoot());
        QVERIFY(empty->version().isEmpty());
    }

    void eventSectionsMerge()
    {
        auto reader = open("[events]\nevents_count=2\n"
                           "[event.0]\neventNumber=2\nevent=stateNormal\naction=message\ntext=a\n"
                           "parent_type=computer\nid=4\n"
                           "[event.1]\neventNumber=2\nevent=stateOverload\naction=powerOff\ntype=halt\n"
                           "parent_type=group\nid=1\n");
        QMap<int, OldEvent>* events = reader->readEvents();
        QCOMPARE(events->keys(), QList<int>{2});
        const OldEvent event = events->value(2);
        QCOMPARE(event.event, QStringLiteral("stateOverload"));
        QCOMPARE(event.parent_type, QStringLiteral("group"));
        QCOMPARE(event.id, 1);
        QCOMPARE(event.eventNumber, 2);
        QVERIFY(event.message);
        QCOMPARE(event.message->text, QStringLiteral("a"));
        QVERIFY(event.powerOff);
        QCOMPARE(event.powerOff->type, QStringLiteral("halt"));
        QVERIFY(!event.sysCommand);
        QVERIFY(!event.sendMail);
    }

    void eventsEdgeCases_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("eventNumbers");
        QTest::addColumn<QString>("firstEvent");
        QTest::addColumn<bool>("firstHasMessage");

        QTest::newRow("no count") << QByteArray(
                                         "[event.0]\neventNumber=0\nevent=stateNormal\naction=message\n")
                                  << QList<int>{} << QString() << false;
        QTest::newRow("negative eventNumber skipped")
            << QByteArray("[events]\nevents_count=2\n[event.0]\neventNumber=-1\nevent=x\naction=message\n"
                          "[event.1]\neventNumber=0\nevent=y\naction=sysCommand\n")
            << QList<int>{0} << "y" << false;
        QTest::newRow("action word in other letter case adds no action")
            << QByteArray("[events]\nevents_count=1\n[event.0]\neventNumber=0\nevent=z\naction=Message\n")
            << QList<int>{0} << "z" << false;
        QTest::newRow("count beyond the sections leaves event 0 alone")
            << QByteArray("[events]\nevents_count=5\n[event.0]\neventNumber=0\nevent=kept\naction=message\n"
                          "parent_type=group\nid=0\n")
            << QList<int>{0} << "kept" << true;
        QTest::newRow("sections beyond the count are not read")
            << QByteArray("[events]\nevents_count=1\n[event.0]\neventNumber=0\nevent=a\naction=message\n"
                          "[event.1]\neventNumber=0\nevent=b\naction=message\n")
            << QList<int>{0} << "a" << true;
        QTest::newRow("huge count and eventNumber size nothing")
            << QByteArray("[events]\nevents_count=2147483647\n[event.0]\neventNumber=2147483647\nevent=far\n"
                          "action=message\n")
            << QList<int>{2147483647} << "far" << true;
        QTest::newRow("negative count is 0")
            << QByteArray("[events]\nevents_count=-3\n[event.0]\neventNumber=0\nevent=a\naction=message\n")
            << QList<int>{} << QString() << false;
        QTest::newRow("padded section name is another section")
            << QByteArray("[events]\nevents_count=2\n[event.01]\neventNumber=0\nevent=a\naction=message\n")
            << QList<int>{} << QString() << false;
    }

    void eventsEdgeCases()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, eventNumbers);
        QFETCH(QString, firstEvent);
        QFETCH(bool, firstHasMessage);
        auto reader = open(text);
        QMap<int, OldEvent>* events = reader->readEvents();
        QCOMPARE(events->keys(), eventNumbers);
        if (!eventNumbers.isEmpty()) {
            QCOMPARE(events->first().event, firstEvent);
            QCOMPARE(bool(events->first().message), firstHasMessage);
        }
        QVERIFY(reader->errors().isEmpty());
    }

    void secondReadRefillsTheSameList()
    {
        auto reader = open("[events]\nevents_count=1\n[event.0]\neventNumber=3\nevent=a\naction=message\n");
        QMap<int, OldEvent>* first = reader->readEvents();
        first->clear();
        QMap<int, OldEvent>* second = reader->readEvents();
        QCOMPARE(second, first);
        QCOMPARE(second->keys(), QList<int>{3});
    }

    void damagedCount_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("events") << QByteArray("[events]\nevents_count=abc\n");
        QTest::newRow("groups") << QByteArray("[Groups]\ngroups_count=2x\n");
        QTest::newRow("computers") << QByteArray("[Computers]\ncomputers_count=\n");
        QTest::newRow("a list") << QByteArray("[events]\nevents_count=1,2\n");
    }

    void damagedCount()
    {
        QFETCH(QByteArray, text);
        auto reader = open(text);
        reader->readEvents();
        reader->readGroups();
        reader->readUngroupedComputers();
        QCOMPARE(reader->errors().size(), 1);
    }

    void groupsAndUngroupedInAnyLetterCase_data()
    {
        QTest::addColumn<QByteArray>("text");
        QByteArray computerSections;
        for (int i = 0; i < 5; ++i)
            computerSections +=
                "[Computer." + QByteArray::number(i) + "]\nname=c" + QByteArray::number(i) + "\n";
        QTest::newRow("as the service writes")
            << QByteArray("[Groups]\ngroups_count=2\n[group.0]\nname=A\ncomputers.0=1, 3\n[group.1]\nname=B\n"
                          "[Computers]\ncomputers_count=5\n") +
                   computerSections;
        QTest::newRow("small letters")
            << QByteArray("[groups]\ngroups_count=2\n[group.0]\nname=A\ncomputers.0=1, 3\n"
                          "[group.1]\nname=B\n[computers]\ncomputers_count=5\n") +
                   computerSections;
        QTest::newRow("capitals") << QByteArray(
                                         "[GROUPS]\nGROUPS_COUNT=2\n[GROUP.0]\nNAME=A\nComputers.0=1, 3\n"
                                         "[Group.1]\nName=B\n[COMPUTERS]\nComputers_Count=5\n") +
                                         computerSections.toUpper();
    }

    void groupsAndUngroupedInAnyLetterCase()
    {
        QFETCH(QByteArray, text);
        auto reader = open(text);
        QList<OldGroup>* groups = reader->readGroups();
        QCOMPARE(groups->size(), 2);
        QCOMPARE(groups->at(0).name, QStringLiteral("A"));
        QCOMPARE(groups->at(0).number, 0);
        QCOMPARE(numbers(groups->at(0).computers), (QList<int>{1, 3}));
        QCOMPARE(groups->at(1).name, QStringLiteral("B"));
        QCOMPARE(groups->at(1).number, 1);
        QVERIFY(groups->at(1).computers.isEmpty());
        QCOMPARE(numbers(reader->readUngroupedComputers()->computers), (QList<int>{0, 2, 4}));
    }

    // A section met again, in any spelling, adds its keys to the first one's.
    void sectionInTwoPlaces_data()
    {
        QTest::addColumn<QByteArray>("again");
        QTest::newRow("same spelling") << QByteArray("[Computer.1]\naddress=10.0.0.1\n");
        QTest::newRow("small letters") << QByteArray("[computer.1]\naddress=10.0.0.1\n");
        QTest::newRow("capitals") << QByteArray("[COMPUTER.1]\nADDRESS=10.0.0.1\n");
    }

    void sectionInTwoPlaces()
    {
        QFETCH(QByteArray, again);
        auto reader = open("[Computer.1]\nname=serwer\n[smtp]\nserver=mail\n" + again);
        QVERIFY(reader->damage().isEmpty());
        const OldComputer computer = reader->readComputer(1);
        QCOMPARE(computer.name, QStringLiteral("serwer"));
        QCOMPARE(computer.address, QStringLiteral("10.0.0.1"));
        QCOMPARE(reader->readSmtp().server, QStringLiteral("mail"));
    }

    void groupListItemsThatAreNoNumber()
    {
        auto reader =
            open("[Groups]\ngroups_count=3\n[group.0]\ncomputers.0=\n[group.1]\ncomputers.0=x, -1, 2, +3\n"
                 "[group.2]\ncomputers.0=\" 1\"\n[Computers]\ncomputers_count=3\n");
        QList<OldGroup>* groups = reader->readGroups();
        QCOMPARE(groups->size(), 3);
        QVERIFY(groups->at(0).computers.isEmpty());
        QCOMPARE(numbers(groups->at(1).computers), QList<int>{2});
        QCOMPARE(numbers(groups->at(2).computers), QList<int>{1});
        QCOMPARE(numbers(reader->readUngroupedComputers()->computers), QList<int>{0});
    }

    void countsBeyondTheFileAreBounded()
    {
        auto reader = open("[Groups]\ngroups_count=2000000000\n[Computers]\ncomputers_count=2000000000\n");
        QVERIFY(reader->readGroups()->size() <= 2);
        QVERIFY(reader->readUngroupedComputers()->computers.size() <= 2);
    }

    void computerPasswords_data()
    {
        QTest::addColumn<QByteArray>("stored"); // the line, or nothing
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("carried");

        QTest::newRow("missing") << QByteArray() << "Quillmarberon" << false;
        QTest::newRow("default in plain")
            << QByteArray("password=Quillmarberon\n") << "Quillmarberon" << false;
        QTest::newRow("enciphered") << ("password=" + encryptComputerPassword("tajne").toLatin1() + "\n")
                                    << "tajne" << false;
        QTest::newRow("enciphered empty")
            << ("password=" + encryptComputerPassword(QString()).toLatin1() + "\n") << "" << false;
        QTest::newRow("default in other letter case is no plain text")
            << QByteArray("password=QUILLMARBERON\n") << "QUILLMARBERON" << true;
        QTest::newRow("under another key")
            << ("password=" +
                SimpleCrypt(smtpPasswordCipherKey() ^ 1).encryptToText(QStringLiteral("x")).toLatin1() + "\n")
            << "" << true;
    }

    void computerPasswords()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, password);
        QFETCH(bool, carried);
        auto reader = open("[Computer.7]\nname=serwer\n" + stored);
        const OldComputer computer = reader->readComputer(7);
        QCOMPARE(computer.name, QStringLiteral("serwer"));
        QCOMPARE(computer.passwordIsCipherText, carried);
        if (carried) {
            // Kept as found so that it is not lost, and said so.
            const QByteArray value = stored.mid(9).trimmed();
            QCOMPARE(computer.password.toLatin1(), value);
            QCOMPARE(reader->warnings().size(), 1);
            QVERIFY(reader->warnings().first().contains(QLatin1String("serwer")));
        } else {
            QCOMPARE(computer.password, password);
            QVERIFY(reader->warnings().isEmpty());
        }
    }

    void smtpPassword_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<bool>("carried");
        QTest::newRow("empty stays empty") << QByteArray("pass=\n") << "" << false;
        QTest::newRow("missing") << QByteArray() << "" << false;
        SimpleCrypt crypt(smtpPasswordCipherKey());
        QTest::newRow("enciphered") << ("pass=" + crypt.encryptToText(QStringLiteral("hasło")).toLatin1() +
                                        "\n")
                                    << "hasło" << false;
        QTest::newRow("under the computer key")
            << ("pass=" + encryptComputerPassword(QStringLiteral("x")).toLatin1() + "\n") << "" << true;
    }

    void smtpPassword()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, pass);
        QFETCH(bool, carried);
        auto reader = open("[smtp]\nserver=mail\nuser=u\nsender_address=s@x\n" + stored);
        const OldSmtpConfig smtp = reader->readSmtp();
        QCOMPARE(smtp.server, QStringLiteral("mail"));
        QCOMPARE(smtp.user, QStringLiteral("u"));
        QCOMPARE(smtp.sender_address, QStringLiteral("s@x"));
        QCOMPARE(smtp.passIsCipherText, carried);
        QCOMPARE(reader->warnings().size(), carried ? 1 : 0);
        if (!carried)
            QCOMPARE(smtp.pass, pass);
        else
            QCOMPARE(smtp.pass.toLatin1(), stored.mid(5).trimmed());
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("escapes") << QByteArray("[General]\nwork_mode=wr\\xf3\\x63i\\x142o\n");
        QTest::newRow("raw UTF-8") << QByteArray("[General]\nwork_mode=wróciło\n");
    }

    void encodings()
    {
        QFETCH(QByteArray, text);
        auto reader = open(text);
        QVERIFY(reader->damage().isEmpty());
        QCOMPARE(reader->workMode(), QStringLiteral("wróciło"));
    }

    void notASettingsFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("binary") << QByteArray("[General]\nversion=2.2.0\n\x01\x02\xff\x00garbage", 32);
        QTest::newRow("a line that is no key") << QByteArray("[General]\nversion=2.2.0\nthis is prose\n");
        QTest::newRow("unclosed section") << QByteArray("[General\nversion=2.2.0\n");
        // The library itself misreads these.
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf[General]\nversion=2.2.0\n");
        QTest::newRow("# comment") << QByteArray("# comment\n[General]\nversion=2.2.0\n");
    }

    void notASettingsFile()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!open(text)->damage().isEmpty());
    }

    void acceptedLines()
    {
        auto reader = open("; comment\n\n[General]\r\nversion=2.2.0\r\nlong=a\\\ncontinued\n  \t\n");
        QCOMPARE(reader->damage(), QString());
        QCOMPARE(reader->version(), QStringLiteral("2.2.0"));
    }

    // The line checks look past blanks at either end, as the library does.
    void blanksAroundLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("indented comment and section")
            << QByteArray("  ; comment\n\t[General] \nversion=2.2.0\n") << false;
        QTest::newRow("indented continued line")
            << QByteArray("[General]\nversion=2.2.0\nlong=a \\\n  no key here\n") << false;
        QTest::newRow("blanks before a closing bracket only")
            << QByteArray("[General]\nversion=2.2.0\n  [other \t\n") << true;
        QTest::newRow("byte order mark after a blank") << QByteArray(" \xef\xbb\xbf=1\n") << false;
    }

    void blanksAroundLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, damaged);
        QCOMPARE(!open(text)->damage().isEmpty(), damaged);
    }

    void missingFile()
    {
        OldConfiguration reader(dir.filePath(QStringLiteral("absent.ini")));
        QVERIFY(!reader.damage().isEmpty());
    }
};

LX_TEST_GUILESS_MAIN(TestOldConfiguration)
#include "tst_oldconfiguration.moc"
