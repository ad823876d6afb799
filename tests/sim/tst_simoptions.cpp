// The scene options of a manual run: their texts and what they do to the world.
#include "tests/support/lxtestcore.h"
#include "tools/sim/replybuilder.h"
#include "tools/sim/simoptions.h"
#include "tools/sim/simscript.h"
#include "tools/sim/simworld.h"

using namespace LxSim;
using Outcome = SimWorld::SmtpTestOutcome;

Q_DECLARE_METATYPE(LxSim::SimWorld::SmtpTestOutcome)
Q_DECLARE_METATYPE(LxSim::ReplyLayout)

using Timers = QList<QPair<int, int>>;

class TestSimOptions : public QObject
{
    Q_OBJECT

private slots:
    void statusTexts_data();
    void statusTexts();
    void countdownTexts_data();
    void countdownTexts();
    void smtpTestTexts_data();
    void smtpTestTexts();
    void layoutTexts_data();
    void layoutTexts();
    void applied_data();
    void applied();
    void scenes_data();
    void scenes();
    void centreScript_data();
    void centreScript();
};

void TestSimOptions::statusTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("status");

    QTest::newRow("on battery") << "1=on_battery" << true << "1"
                                << "on_battery";
    QTest::newRow("other keyword") << "12=no_communication" << true << "12"
                                   << "no_communication";
    QTest::newRow("no id") << "=on_battery" << false << ""
                           << "";
    QTest::newRow("no keyword") << "1=" << false << ""
                                << "";
    QTest::newRow("no equals sign") << "1" << false << ""
                                    << "";
    QTest::newRow("colon instead") << "1:on_battery" << false << ""
                                   << "";
    QTest::newRow("blank in keyword") << "1=on battery" << false << ""
                                      << "";
    QTest::newRow("markup in keyword") << "1=<b>" << false << ""
                                       << "";
    QTest::newRow("two equals signs") << "1=on_battery=2" << false << ""
                                      << "";
    QTest::newRow("leading blank") << " 1=on_battery" << false << ""
                                   << "";
    QTest::newRow("empty") << "" << false << ""
                           << "";
}

void TestSimOptions::statusTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, id);
    QFETCH(QString, status);
    QString gotId;
    QString gotStatus;
    QCOMPARE(SimOptions::parseStatus(text, &gotId, &gotStatus), ok);
    if (ok) {
        QCOMPARE(gotId, id);
        QCOMPARE(gotStatus, status);
    }
}

void TestSimOptions::countdownTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("seconds");

    QTest::newRow("plain") << "1:540" << true << 1 << 540;
    QTest::newRow("timer 0") << "0:5" << true << 0 << 5;
    QTest::newRow("one second") << "3:1" << true << 3 << 1;
    QTest::newRow("no time left") << "1:0" << false << 0 << 0;
    QTest::newRow("negative time") << "1:-5" << false << 0 << 0;
    QTest::newRow("negative id") << "-1:5" << false << 0 << 0;
    QTest::newRow("no seconds") << "1:" << false << 0 << 0;
    QTest::newRow("unit") << "1:5s" << false << 0 << 0;
    QTest::newRow("equals sign") << "1=5" << false << 0 << 0;
    QTest::newRow("too large") << "1:99999999999" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
}

void TestSimOptions::countdownTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, id);
    QFETCH(int, seconds);
    QPair<int, int> timer(-7, -7);
    QCOMPARE(SimOptions::parseCountdown(text, &timer), ok);
    if (ok)
        QCOMPARE(timer, qMakePair(id, seconds));
}

void TestSimOptions::smtpTestTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("success") << "success" << true << Outcome::Success;
    QTest::newRow("failure") << "failure" << true << Outcome::Failure;
    QTest::newRow("silence") << "silence" << true << Outcome::Silence;
    QTest::newRow("capital") << "Success" << false << Outcome::Success;
    QTest::newRow("other") << "timeout" << false << Outcome::Success;
    QTest::newRow("empty") << "" << false << Outcome::Success;
}

void TestSimOptions::smtpTestTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(Outcome, outcome);
    Outcome got = Outcome::Success;
    if (outcome == Outcome::Success)
        got = Outcome::Silence; // so that "left alone" cannot pass for "set"
    QCOMPARE(SimOptions::parseSmtpTestOutcome(text, &got), ok);
    if (ok)
        QCOMPARE(got, outcome);
}

void TestSimOptions::layoutTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<ReplyLayout>("layout");

    QTest::newRow("flat") << "flat" << true << ReplyLayout::Flat;
    QTest::newRow("indented") << "indented" << true << ReplyLayout::Indented;
    QTest::newRow("nested") << "nested" << true << ReplyLayout::NestedChain;
    QTest::newRow("value-after") << "value-after" << true << ReplyLayout::ValueAfter;
    QTest::newRow("capital") << "Flat" << false << ReplyLayout::Flat;
    QTest::newRow("other") << "chain" << false << ReplyLayout::Flat;
    QTest::newRow("empty") << "" << false << ReplyLayout::Flat;
}

void TestSimOptions::layoutTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(ReplyLayout, layout);
    ReplyLayout got = layout == ReplyLayout::Flat ? ReplyLayout::Indented : ReplyLayout::Flat;
    QCOMPARE(ReplyBuilder::parseLayout(text, &got), ok);
    if (ok) {
        QCOMPARE(got, layout);
        QCOMPARE(ReplyBuilder::layoutName(layout), text); // as --help and the tests spell it
    }
    // The world answers in the default layout until told otherwise.
    QCOMPARE(SimWorld().replyLayout(), ReplyLayout::ValueAfter);
}

void TestSimOptions::applied_data()
{
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("countdowns");
    QTest::addColumn<QString>("smtpTest");
    QTest::addColumn<QString>("error"); // start of the message; empty when all is applied
    QTest::addColumn<QString>("status1");
    QTest::addColumn<QString>("status5");
    QTest::addColumn<Timers>("timers");
    QTest::addColumn<Outcome>("outcome");

    const Timers before = {{9, 30}};
    QTest::newRow("nothing given") << QStringList() << QStringList() << ""
                                   << ""
                                   << "on_power_line"
                                   << "genset_on" << before << Outcome::Success;
    QTest::newRow("battery with countdowns")
        << QStringList{"1=on_battery", "5=genset_off"} << QStringList{"1:540", "2:60"} << "failure"
        << ""
        << "on_battery"
        << "genset_off" << Timers{{1, 540}, {2, 60}} << Outcome::Failure;
    QTest::newRow("silence") << QStringList() << QStringList() << "silence"
                             << ""
                             << "on_power_line"
                             << "genset_on" << before << Outcome::Silence;
    QTest::newRow("later status wins") << QStringList{"1=on_battery", "1=unknown"} << QStringList() << ""
                                       << ""
                                       << "unknown"
                                       << "genset_on" << before << Outcome::Success;
    QTest::newRow("unknown device") << QStringList{"9=on_battery"} << QStringList() << ""
                                    << "--status 9=on_battery: there is no device 9"
                                    << "on_power_line"
                                    << "genset_on" << before << Outcome::Success;
    QTest::newRow("bad status") << QStringList{"1"} << QStringList() << ""
                                << "--status 1: expected ID=KEYWORD"
                                << "on_power_line"
                                << "genset_on" << before << Outcome::Success;
    QTest::newRow("bad countdown") << QStringList() << QStringList{"1:540", "x"} << ""
                                   << "--countdown x: expected ID:SECONDS"
                                   << "on_power_line"
                                   << "genset_on" << before << Outcome::Success;
    QTest::newRow("timer twice") << QStringList() << QStringList{"1:540", "1:60"} << ""
                                 << "--countdown 1:60: timer 1 is given twice"
                                 << "on_power_line"
                                 << "genset_on" << before << Outcome::Success;
    QTest::newRow("bad mail outcome") << QStringList() << QStringList() << "later"
                                      << "--smtp-test later: expected success, failure or silence"
                                      << "on_power_line"
                                      << "genset_on" << before << Outcome::Success;
}

void TestSimOptions::applied()
{
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, countdowns);
    QFETCH(QString, smtpTest);
    QFETCH(QString, error);
    QFETCH(QString, status1);
    QFETCH(QString, status5);
    QFETCH(Timers, timers);
    QFETCH(Outcome, outcome);

    SimWorld world;
    world.loadDemo();
    world.setShutdownTimers({{9, 30}});
    const QString got = SimOptions::apply(world, statuses, countdowns, smtpTest);
    if (error.isEmpty())
        QCOMPARE(got, QString());
    else
        QVERIFY2(got.startsWith(error), qPrintable(got));
    QCOMPARE(world.device("1")->status, status1);
    QCOMPARE(world.device("5")->status, status5);
    QCOMPARE(world.shutdownTimerList(), timers);
    QCOMPARE(world.smtpTestOutcome(), outcome);
}

void TestSimOptions::scenes_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("models");
    QTest::addColumn<QString>("status1");
    QTest::addColumn<Timers>("timers");

    QTest::newRow("demo") << "demo" << true
                          << QStringList{"Harrier33_SNMP", "HarrierRT_6_10_USB", "HarrierRT_6_10_USB",
                                         "Virtual_Device", "Ibis_SNMP",          "KitePro_Rack_RS232"}
                          << "on_power_line" << Timers{};
    QTest::newRow("single") << "single" << true << QStringList{"KitePro_USB"} << "on_power_line" << Timers{};
    QTest::newRow("battery") << "battery" << true
                             << QStringList{"Harrier33_SNMP", "Ibis_SNMP", "KitePro_Rack_RS232",
                                            "OspreyRT_USB"}
                             << "on_battery" << Timers{{1, 540}};
    QTest::newRow("many") << "many:3" << true << QStringList{"KitePro_USB", "KitePro_USB", "KitePro_USB"}
                          << "on_power_line" << Timers{};
    QTest::newRow("many without a count")
        << "many:" << false << QStringList{"Wren_Avr_USB"} << "on_power_line" << Timers{};
    QTest::newRow("many of none") << "many:0" << false << QStringList{"Wren_Avr_USB"} << "on_power_line"
                                  << Timers{};
    QTest::newRow("unknown name leaves the world")
        << "Demo" << false << QStringList{"Wren_Avr_USB"} << "on_power_line" << Timers{};
}

void TestSimOptions::scenes()
{
    QFETCH(QString, scene);
    QFETCH(bool, ok);
    QFETCH(QStringList, models);
    QFETCH(QString, status1);
    QFETCH(Timers, timers);

    SimWorld world;
    SimDevice before;
    before.id = QStringLiteral("1");
    before.model_name = QStringLiteral("Wren_Avr_USB");
    world.setDevices({before});
    QCOMPARE(SimOptions::applyScene(world, scene), ok);
    QStringList got;
    for (const SimDevice& d : world.devices())
        got.append(d.model_name);
    QCOMPARE(got, models);
    QCOMPARE(world.device(QStringLiteral("1"))->status, status1);
    QCOMPARE(world.shutdownTimerList(), timers);
    // Every device of a scene answers with its values from the first poll.
    for (const SimDevice& d : world.devices())
        QVERIFY(!d.measurements.isEmpty() || !d.fixedState.isEmpty() || d.isVirtual());
}

void TestSimOptions::centreScript_data()
{
    QTest::addColumn<QStringList>("fails");
    QTest::addColumn<QStringList>("delays");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("error"); // start of the message; empty when all is applied
    QTest::addColumn<QString>("runFailure");
    QTest::addColumn<int>("listDelay");
    QTest::addColumn<int>("hosts");
    QTest::addColumn<int>("machinesOfLast");

    const QString run = QStringLiteral("set_virtualization_center_action_run");
    QTest::newRow("nothing given keeps the demo hosts") << QStringList() << QStringList() << ""
                                                        << ""
                                                        << "" << 0 << 3 << 0;
    QTest::newRow("failure with its text") << QStringList{run + "=Host locked"} << QStringList() << ""
                                           << ""
                                           << "Host locked" << 0 << 3 << 0;
    QTest::newRow("failure without text, text with '='")
        << QStringList{run, "set_virtualization_center_edit_host=a=b"} << QStringList() << ""
        << "" << SimScript::defaultFailure << 0 << 3 << 0;
    QTest::newRow("empty text is the default") << QStringList{run + "="} << QStringList() << ""
                                               << "" << SimScript::defaultFailure << 0 << 3 << 0;
    QTest::newRow("later failure wins") << QStringList{run + "=one", run + "=two"} << QStringList() << ""
                                        << ""
                                        << "two" << 0 << 3 << 0;
    QTest::newRow("failure of a request nobody answers")
        << QStringList{"get_weather=x"} << QStringList() << ""
        << "--fail get_weather=x: expected REQUEST[=TEXT]"
        << "" << 0 << 3 << 0;
    QTest::newRow("delay") << QStringList() << QStringList{"get_virtualization_center_host_list=2500"} << ""
                           << ""
                           << "" << 2500 << 3 << 0;
    QTest::newRow("delay 0 is none") << QStringList()
                                     << QStringList{"get_virtualization_center_host_list=2500",
                                                    "get_virtualization_center_host_list=0"}
                                     << ""
                                     << ""
                                     << "" << 0 << 3 << 0;
    QTest::newRow("delay of a request nobody answers")
        << QStringList() << QStringList{"get_weather=100"} << ""
        << "--delay get_weather=100: expected REQUEST=MS"
        << "" << 0 << 3 << 0;
    QTest::newRow("negative delay") << QStringList() << QStringList{"get_virtualization_center_host_list=-1"}
                                    << ""
                                    << "--delay get_virtualization_center_host_list=-1: expected"
                                    << "" << 0 << 3 << 0;
    QTest::newRow("grid with x") << QStringList() << QStringList() << "4x2"
                                 << ""
                                 << "" << 0 << 4 << 2;
    QTest::newRow("grid with times sign") << QStringList() << QStringList() << "1\u00d730000"
                                          << ""
                                          << "" << 0 << 1 << 30000;
    QTest::newRow("no hosts") << QStringList() << QStringList() << "0x5"
                              << ""
                              << "" << 0 << 0 << -1;
    QTest::newRow("grid without machines") << QStringList() << QStringList() << "7"
                                           << "--vc-hosts 7: expected"
                                           << "" << 0 << 3 << 0;
    QTest::newRow("grid out of memory's reach") << QStringList() << QStringList() << "100000x1000"
                                                << "--vc-hosts 100000x1000: expected"
                                                << "" << 0 << 3 << 0;
}

void TestSimOptions::centreScript()
{
    QFETCH(QStringList, fails);
    QFETCH(QStringList, delays);
    QFETCH(QString, grid);
    QFETCH(QString, error);
    QFETCH(QString, runFailure);
    QFETCH(int, listDelay);
    QFETCH(int, hosts);
    QFETCH(int, machinesOfLast);

    SimWorld world;
    world.loadDemo();
    const QString got = SimScript::apply(world, fails, delays, grid);
    if (error.isEmpty())
        QCOMPARE(got, QString());
    else
        QVERIFY2(got.startsWith(error), qPrintable(got));
    QCOMPARE(world.requestFailure(QStringLiteral("set_virtualization_center_action_run")), runFailure);
    QCOMPARE(world.requestDelay(QStringLiteral("get_virtualization_center_host_list")), listDelay);
    const QList<SimWorld::VcHost> list = world.vcHostList();
    QCOMPARE(list.size(), hosts);
    if (!grid.isEmpty() && error.isEmpty() && hosts > 0) {
        QCOMPARE(list.last().machines.size(), machinesOfLast);
        // Ids the panel can tell apart, every host of the type the panel loads.
        QCOMPARE(list.last().id, hosts);
        QCOMPARE(list.last().type, 1);
        if (machinesOfLast > 0)
            QCOMPARE(list.last().machines.last().id, machinesOfLast);
    }
}

LX_TEST_GUILESS_MAIN(TestSimOptions)
#include "tst_simoptions.moc"
