#include "common/showntext.h"
#include "tests/support/lxtestcore.h"

class TestShownText : public QObject
{
    Q_OBJECT

private slots:
    void bounded_data();
    void bounded();
};

namespace {
constexpr ShownText::Limits small{4, 3, 10};
}

void TestShownText::bounded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("shortened");

    QTest::newRow("empty") << QString() << QString() << false;
    QTest::newRow("at every limit") << "abcd\nefg\nh"
                                    << "abcd\nefg\nh" << false;
    QTest::newRow("a line too long") << "abcdef\nxy"
                                     << "abcd\nxy" << true;
    QTest::newRow("a line too many") << "a\nb\nc\nd"
                                     << "a\nb\nc" << true;
    QTest::newRow("one break too many, the last line empty") << "a\nb\nc\n"
                                                             << "a\nb\nc" << true;
    QTest::newRow("too long in all") << "abcd\nabcd\nabcd"
                                     << "abcd\nabcd\n"
                                     << true;
    QTest::newRow("long lines, the total then") << "abcdefgh\nabcdefgh\nabcdefgh"
                                                << "abcd\nabcd\n"
                                                << true;
    QTest::newRow("empty lines kept") << "\n\n"
                                      << "\n\n"
                                      << false;
}

void TestShownText::bounded()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(bool, shortened);
    bool cut = !shortened;
    QCOMPARE(ShownText::bounded(text, small, &cut), shown);
    QCOMPARE(cut, shortened);
}

LX_TEST_GUILESS_MAIN(TestShownText)
#include "tst_showntext.moc"
