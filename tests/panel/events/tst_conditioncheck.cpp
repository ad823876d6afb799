// The check a condition gets as it is typed, with Qt Core alone.
#include "panel/events/conditioncheck.h"
#include "tests/support/lxtestcore.h"

class TestConditionCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void itemKinds();
};

void TestConditionCheck::check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("picked without spaces") << "stateNormal==ON" << true;
    QTest::newRow("value first") << "OFF == stateNormal" << true;
    QTest::newRow("bracketed or") << "((stateNormal==ON)||(stateAvrActive==ON))" << true;
    QTest::newRow("parameter above a number") << "paramOutputLoad > 80" << true;
    QTest::newRow("number first") << "80 < paramOutputLoad" << true;
    QTest::newRow("greater or equal, decimal") << "paramOutputLoad >= 80.5 && stateNormal == ON" << true;
    QTest::newRow("less or equal") << "paramOutputLoad<=80" << true;
    QTest::newRow("exponent") << "paramOutputLoad < 8e1" << true;
    QTest::newRow("empty brackets pass the script check") << "stateNormal == ON ( )" << true;
    QTest::newRow("spaces and tabs") << " stateNormal\t== ON " << true;

    QTest::newRow("empty") << "" << false;
    QTest::newRow("lone item") << "stateNormal" << false;
    QTest::newRow("two-state item with not equal") << "stateNormal != ON" << false;
    QTest::newRow("two-state item ordered") << "stateNormal < ON" << false;
    QTest::newRow("two-state item against a number") << "stateNormal == 1" << false;
    QTest::newRow("parameter against a value") << "paramOutputLoad == ON" << false;
    QTest::newRow("parameter against an item") << "paramOutputLoad > stateNormal" << false;
    QTest::newRow("key not offered") << "stateBypass == ON" << false;
    QTest::newRow("key not offered, parameter") << "paramInputFreq > 49" << false;
    QTest::newRow("keys are case-sensitive") << "statenormal == ON" << false;
    QTest::newRow("values are case-sensitive") << "stateNormal == on" << false;
    QTest::newRow("line feed") << "stateNormal == ON\n|| stateAvrActive == ON" << false;
    QTest::newRow("arithmetic") << "paramOutputLoad + 1 > 80" << false;
    QTest::newRow("negative number") << "paramOutputLoad > -1" << false;
    QTest::newRow("strict equality") << "stateNormal === ON" << false;
    QTest::newRow("script syntax error") << "stateNormal == ON &&" << false;
    QTest::newRow("unbalanced bracket") << "(stateNormal == ON" << false;
    QTest::newRow("two comparisons without a logical operator") << "stateNormal == ON == OFF" << false;
    QTest::newRow("logical operator without comparison") << "stateNormal && stateAvrActive" << false;
    QTest::newRow("spaced operator") << "paramOutputLoad < = 80" << false;
    QTest::newRow("item left out for this device") << "message2ParallelWorkModeMaster == ON" << false;
}

void TestConditionCheck::check()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const ConditionCheck check({"stateNormal", "stateAvrActive", "messageCharging", "paramOutputLoad"});
    QCOMPARE(check.isValid(text), valid);
}

void TestConditionCheck::itemKinds()
{
    const ConditionCheck check({"stateNormal", "alarmActiveEpo", "paramOutputLoad"});
    QVERIFY(check.isStateName("stateNormal"));
    QVERIFY(check.isStateName("alarmActiveEpo"));
    QVERIFY(!check.isStateName("paramOutputLoad"));
    QVERIFY(!check.isStateName("stateBypass"));
    QVERIFY(check.isParamName("paramOutputLoad"));
    QVERIFY(!check.isParamName("stateNormal"));
    QVERIFY(!check.isParamName("paramInputFreq"));
    QVERIFY(ConditionCheck::isNumber("80.5"));
    QVERIFY(ConditionCheck::isNumber("1e3"));
    QVERIFY(!ConditionCheck::isNumber("80,5"));
    QVERIFY(!ConditionCheck::isNumber("ON"));
}

LX_TEST_GUILESS_MAIN(TestConditionCheck)
#include "tst_conditioncheck.moc"
