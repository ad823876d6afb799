#include "panel/base/awaitedanswer.h"
#include "tests/support/lxtestcore.h"

// Each step of a row: "a<value>/<patience>" awaits an answer showing <value>,
// "any" awaits any answer, "x" abandons the wait, "t<value>" takes an answer;
// the takes give "+" when the answer is the awaited one, "-" when it is not.
class TestAwaitedAnswer : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void TestAwaitedAnswer::answers_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("taken");

    QTest::newRow("nothing awaited") << QStringList{"t1"} << "-";
    QTest::newRow("any answer") << QStringList{"any", "t1", "t1"} << "+-";
    QTest::newRow("the one showing the change") << QStringList{"a2/0", "t2"} << "+";
    // A service that stores something else than was sent is still heard.
    QTest::newRow("another value, nothing to pass over") << QStringList{"a2/0", "t1"} << "+";
    QTest::newRow("made before the change, passed over") << QStringList{"a2/2", "t1", "t1", "t2"} << "--+";
    QTest::newRow("passed over a few times only") << QStringList{"a2/1", "t1", "t1", "t1"} << "-+-";
    QTest::newRow("the answer to a wait that ran out")
        << QStringList{"a1/0", "x", "a2/0", "t1", "t2"} << "-+";
    QTest::newRow("it comes before the next wait") << QStringList{"a1/0", "x", "t1", "a2/0", "t3"} << "-+";
    QTest::newRow("it comes after the next answer")
        << QStringList{"a1/0", "x", "a1/0", "t1", "t1", "a2/0", "t3"} << "+-+";
    QTest::newRow("asked again before the answer") << QStringList{"any", "any", "t1", "t2"} << "-+";
}

void TestAwaitedAnswer::answers()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, taken);

    AwaitedAnswer<int> answer;
    QString out;
    for (const QString& step : steps) {
        if (step == QLatin1String("any")) {
            answer.awaitAny();
        } else if (step == QLatin1String("x")) {
            answer.abandon();
        } else if (step.startsWith(QLatin1Char('a'))) {
            const int value = step.mid(1).section(QLatin1Char('/'), 0, 0).toInt();
            answer.await([value](int a) { return a == value; }, step.section(QLatin1Char('/'), 1).toInt());
            QVERIFY(answer.isAwaiting());
        } else {
            out += answer.take(step.mid(1).toInt()) ? QLatin1Char('+') : QLatin1Char('-');
        }
    }
    QCOMPARE(out, taken);
}

LX_TEST_GUILESS_MAIN(TestAwaitedAnswer)
#include "tst_awaitedanswer.moc"
