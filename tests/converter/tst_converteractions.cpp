// Converter actions: what an old event section loads into each kind and what
// the kind then writes into the current layout.
#include "converter/caselesssettings.h"
#include "converter/messageaction.h"
#include "converter/poweroffaction.h"
#include "converter/sendmailaction.h"
#include "converter/syscommandaction.h"
#include "inifixture.h"
#include "tests/support/lxtestcore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

using KeyValues = QMap<QString, QString>;
Q_DECLARE_METATYPE(KeyValues)

class TestConverterActions : public QObject
{
    Q_OBJECT

private:
    static std::unique_ptr<Converter::Action> make(const QString& kind)
    {
        if (kind == QLatin1String("message"))
            return std::make_unique<Converter::MessageAction>();
        if (kind == QLatin1String("sysCommand"))
            return std::make_unique<Converter::SysCommandAction>();
        if (kind == QLatin1String("sendMail"))
            return std::make_unique<Converter::SendMailAction>();
        return std::make_unique<Converter::PowerOffAction>();
    }

    // Loads the action from each old section in turn, then saves it; returns the saved keys.
    KeyValues convert(const QString& kind, const QByteArray& oldText, const QStringList& sections)
    {
        QTemporaryDir dir;
        const QString oldPath = dir.filePath(QStringLiteral("old.ini"));
        const QString newPath = dir.filePath(QStringLiteral("new.ini"));
        if (!IniFixture::writeFile(oldPath, oldText))
            return {};
        QSettings oldSettings(oldPath, QSettings::IniFormat);
        Converter::CaselessSettings lookup(oldSettings);
        std::unique_ptr<Converter::Action> action = make(kind);
        for (const QString& section : sections) {
            lookup.beginGroup(section);
            action->load(lookup);
            lookup.endGroup();
        }
        {
            QSettings newSettings(newPath, QSettings::IniFormat);
            newSettings.beginGroup(QStringLiteral("n"));
            action->save(&newSettings);
            newSettings.endGroup();
        }
        KeyValues saved;
        const KeyValues all = IniFixture::keyValues(newPath);
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            saved.insert(it.key().mid(2), it.value());
        return saved;
    }

private slots:
    void loadThenSave_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("oldSection");
        QTest::addColumn<KeyValues>("saved");

        QTest::newRow("message") << "message" << QByteArray("text=UPS na baterii\n")
                                 << KeyValues{{"action", "message"}, {"text", "UPS na baterii"}};
        QTest::newRow("message without text")
            << "message" << QByteArray("other=1\n") << KeyValues{{"action", "message"}, {"text", ""}};
        QTest::newRow("sysCommand complete")
            << "sysCommand"
            << QByteArray("command_line=/sbin/halt\noptions=-p\nstandbyUps=0\ndelay_time=45\n")
            << KeyValues{{"action", "sysCommand"},
                         {"command_line", "/sbin/halt"},
                         {"options", "-p"},
                         {"standbyUps", "false"},
                         {"delay_time", "45"}};
        QTest::newRow("sysCommand defaults") << "sysCommand" << QByteArray("command_line=x\n")
                                             << KeyValues{{"action", "sysCommand"},
                                                          {"command_line", "x"},
                                                          {"options", ""},
                                                          {"standbyUps", "true"},
                                                          {"delay_time", "0"}};
        QTest::newRow("sysCommand present but empty values")
            << "sysCommand" << QByteArray("standbyUps=\ndelay_time=\n")
            << KeyValues{{"action", "sysCommand"},
                         {"command_line", ""},
                         {"options", ""},
                         {"standbyUps", "false"},
                         {"delay_time", "0"}};
        QTest::newRow("sysCommand FALSE in capitals and a delay that is no number")
            << "sysCommand" << QByteArray("standbyUps=FALSE\ndelay_time=10s\n")
            << KeyValues{{"action", "sysCommand"},
                         {"command_line", ""},
                         {"options", ""},
                         {"standbyUps", "false"},
                         {"delay_time", "0"}};
        QTest::newRow("powerOff defaults") << "powerOff" << QByteArray("type=shutdown\n")
                                           << KeyValues{{"action", "powerOff"},
                                                        {"type", "shutdown"},
                                                        {"standbyUps", "false"},
                                                        {"vms_action_ids", ""},
                                                        {"delay_time", "0"}};
        QTest::newRow("powerOff any other word is true, an overflowing delay is 0")
            << "powerOff" << QByteArray("standbyUps=yes\ndelay_time=4294967297\nvms_action_ids=\"3,7\"\n")
            << KeyValues{{"action", "powerOff"},
                         {"type", ""},
                         {"standbyUps", "true"},
                         {"vms_action_ids", "3,7"},
                         {"delay_time", "0"}};
        QTest::newRow("sendMail other character set")
            << "sendMail"
            << QByteArray("charCode=utf-8\nsender=a@b.pl\nsubject=Awaria\nbody=Tekst\nreceipent=c@d.pl\n")
            << KeyValues{{"action", "sendMail"}, {"charCode", "windows-1250"},
                         {"sender", "a@b.pl"},   {"subject", "Awaria"},
                         {"body", "Tekst"},      {"receipent", "c@d.pl"}};
        QTest::newRow("sendMail without charCode")
            << "sendMail" << QByteArray("subject=S\n")
            << KeyValues{{"action", "sendMail"}, {"charCode", "windows-1250"},
                         {"sender", ""},         {"subject", "S"},
                         {"body", ""},           {"receipent", ""}};
        QTest::newRow("keys in other letter case")
            << "sysCommand" << QByteArray("Command_Line=run\nSTANDBYUPS=false\nDelay_Time=7\n")
            << KeyValues{{"action", "sysCommand"},
                         {"command_line", "run"},
                         {"options", ""},
                         {"standbyUps", "false"},
                         {"delay_time", "7"}};
    }

    void loadThenSave()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, oldSection);
        QFETCH(KeyValues, saved);
        QCOMPARE(convert(kind, "[s]\n" + oldSection, {QStringLiteral("s")}), saved);
    }

    void secondLoadReplacesEveryField_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("oldText");
        QTest::addColumn<KeyValues>("saved");

        QTest::newRow("sysCommand")
            << "sysCommand"
            << QByteArray("[a]\ncommand_line=first\noptions=-x\nstandbyUps=false\ndelay_time=5\n"
                          "[b]\ncommand_line=second\n")
            << KeyValues{{"action", "sysCommand"},
                         {"command_line", "second"},
                         {"options", ""},
                         {"standbyUps", "true"},
                         {"delay_time", "0"}};
        QTest::newRow("powerOff") << "powerOff"
                                  << QByteArray(
                                         "[a]\ntype=reboot\nstandbyUps=true\ndelay_time=9\n[b]\ntype=halt\n")
                                  << KeyValues{{"action", "powerOff"},
                                               {"type", "halt"},
                                               {"standbyUps", "false"},
                                               {"vms_action_ids", ""},
                                               {"delay_time", "0"}};
    }

    void secondLoadReplacesEveryField()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, oldText);
        QFETCH(KeyValues, saved);
        QCOMPARE(convert(kind, oldText, {QStringLiteral("a"), QStringLiteral("b")}), saved);
    }
};

LX_TEST_GUILESS_MAIN(TestConverterActions)
#include "tst_converteractions.moc"
