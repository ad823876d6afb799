// A request as the stand-in reads it: its children, and the summary line of its log.
#include "tests/support/lxtestcore.h"
#include "tools/sim/simrequest.h"

using namespace LxSim;

class TestSimRequest : public QObject
{
    Q_OBJECT

private slots:
    void children_data();
    void children();
};

void TestSimRequest::children_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QStringList>("inner"); // each child's content as written
    QTest::addColumn<QString>("summary");   // the end of describe()

    QTest::newRow("map form") << "<a><pass>p</pass><host_type>1</host_type>\n<host_id>22</host_id>\n</a>"
                              << QStringList{"1", "22"} << "children=[host_type=\"1\", host_id=\"22\"]";
    QTest::newRow("nested") << "<a><pass></pass><ids><id>1</id><id>2</id></ids></a>"
                            << QStringList{"<id>1</id><id>2</id>"}
                            << "children=[ids=\"<id>1</id><id>2</id>\"]";
    QTest::newRow("empty and self-closed") << "<a><pass/><x></x><y/><z>3</z></a>" << QStringList{"", "", "3"}
                                           << "children=[x=\"\", y=\"\", z=\"3\"]";
    QTest::newRow("text with markup characters") << "<a><pass>p</pass><name>a &lt; b</name></a>"
                                                 << QStringList{"a &lt; b"} << "children=[name=\"a &lt; b\"]";
}

void TestSimRequest::children()
{
    QFETCH(QString, raw);
    QFETCH(QStringList, inner);
    QFETCH(QString, summary);
    const SimRequest request = SimRequest::parse(raw);
    QVERIFY(request.wellFormed);
    QStringList got;
    for (const SimRequest::Child& c : request.children)
        got.append(c.inner);
    QCOMPARE(got, inner);
    QVERIFY2(request.describe().endsWith(summary), qPrintable(request.describe()));
}

LX_TEST_GUILESS_MAIN(TestSimRequest)
#include "tst_simrequest.moc"
