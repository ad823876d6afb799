#include "common/helpers.h"
#include "common/messagebox.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LxTest::closeAllMessageBoxes(); }

    void escapeXml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Praca rezerwowa"
                               << "Praca rezerwowa";
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("all five once") << "a&b\"c'd<e>f"
                                       << "a&amp;b&quot;c&apos;d&lt;e&gt;f";
        QTest::newRow("entity escaped again") << "&amp; &lt;"
                                              << "&amp;amp; &amp;lt;";
        QTest::newRow("repeated") << "<<&&>>"
                                  << "&lt;&lt;&amp;&amp;&gt;&gt;";
        QTest::newRow("non-ascii kept") << QStringLiteral("Za\u017C\u00F3\u0142\u0107 \"x\"")
                                        << QStringLiteral("Za\u017C\u00F3\u0142\u0107 &quot;x&quot;");
        QTest::newRow("password") << "p&ss<word"
                                  << "p&amp;ss&lt;word";
    }

    void escapeXml()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(::escapeXml(text), expected);
    }

    void hashPassword_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << "d41d8cd98f00b204e9800998ecf8427e";
        QTest::newRow("abc") << "abc"
                             << "900150983cd24fb0d6963f7d28e17f72";
        QTest::newRow("fox") << "The quick brown fox jumps over the lazy dog"
                             << "9e107d9d372bb6826bd81d3542a419d6";
        // Digested as UTF-8, not Latin-1 or UTF-16.
        QTest::newRow("polish letters")
            << QStringLiteral("za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105 ja\u017A\u0144")
            << "930b9b78f35b80ccb414cd7486bb4cdb";
        QTest::newRow("ampersand") << "&"
                                   << "6cff047854f19ac2aa52aac51bf3af4a";
    }

    void hashPassword()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString digest = ::hashPassword(text);
        QCOMPARE(digest, expected);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(digest).hasMatch());
    }

    void firstFreeId_data()
    {
        QTest::addColumn<QVector<int>>("ids");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QVector<int>>("sorted");
        QTest::newRow("empty") << QVector<int>() << 0 << QVector<int>();
        QTest::newRow("zero free") << QVector<int>{3, 4} << 0 << QVector<int>{3, 4};
        QTest::newRow("no gap") << QVector<int>{0, 1, 2} << 3 << QVector<int>{0, 1, 2};
        QTest::newRow("gap after sort") << QVector<int>{2, 0} << 1 << QVector<int>{0, 2};
        QTest::newRow("negative first") << QVector<int>{-1, 5} << 1 << QVector<int>{-1, 5};
        QTest::newRow("duplicate") << QVector<int>{0, 0, 1} << 3 << QVector<int>{0, 0, 1};
        QTest::newRow("gap in the middle") << QVector<int>{4, 0, 1, 2} << 3 << QVector<int>{0, 1, 2, 4};
        QTest::newRow("only zero") << QVector<int>{0} << 1 << QVector<int>{0};
    }

    void firstFreeId()
    {
        QFETCH(QVector<int>, ids);
        QFETCH(int, expected);
        QFETCH(QVector<int>, sorted);
        QCOMPARE(::firstFreeId(ids), expected);
        QCOMPARE(ids, sorted);
    }

    void waitMilliseconds_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<int>("atMost");
        QTest::newRow("zero") << 0 << 0 << 50;
        // An unsigned wait would turn this into forever.
        QTest::newRow("negative") << -1 << 0 << 50;
        QTest::newRow("short") << 120 << 115 << 2000;
    }

    void waitMilliseconds()
    {
        QFETCH(int, ms);
        QFETCH(int, atLeast);
        QFETCH(int, atMost);
        QElapsedTimer clock;
        clock.start();
        ::waitMilliseconds(ms);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= atLeast && elapsed <= atMost, qPrintable(QString::number(elapsed)));
    }

    void degreeCelsiusUnit()
    {
        QCOMPARE(::degreeCelsiusUnit().size(), 2);
        QCOMPARE(::degreeCelsiusUnit().at(0).unicode(), ushort(0x00B0));
        QCOMPARE(::degreeCelsiusUnit().at(1), QLatin1Char('C'));
        QCOMPARE(::degreeCelsiusUnit().toUtf8(), QByteArray("\xC2\xB0"
                                                            "C"));
    }

    void messageBoxesAreIndependent()
    {
        showMessageBox(QStringLiteral("Pierwszy"), QStringLiteral("Tekst pierwszy"));
        showMessageBox(QStringLiteral("Drugi"), QStringLiteral("Tekst drugi"));

        const QList<QMessageBox*> boxes = LxTest::visibleMessageBoxes();
        QCOMPARE(boxes.size(), 2);
        QPointer<QMessageBox> first;
        QPointer<QMessageBox> second;
        for (QMessageBox* box : boxes) {
            QVERIFY(!box->parent());
            QVERIFY(box->windowModality() != Qt::ApplicationModal);
            QVERIFY(box->testAttribute(Qt::WA_DeleteOnClose));
            QVERIFY(!box->windowIcon().isNull());
            QCOMPARE(box->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
            QCOMPARE(box->buttons().size(), 1);
            if (box->windowTitle() == QLatin1String("Pierwszy"))
                first = box;
            else if (box->windowTitle() == QLatin1String("Drugi"))
                second = box;
        }
        QVERIFY(first && second);
        QCOMPARE(first->text(), QStringLiteral("Tekst pierwszy"));
        QCOMPARE(second->text(), QStringLiteral("Tekst drugi"));

        first->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!second.isNull());
        QVERIFY(second->isVisible());

        second->close();
        QTRY_VERIFY(second.isNull());
        QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    }

    // Having no parent, an open box leaves every window usable.
    void messageBoxBlocksNoWindow()
    {
        QLineEdit window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        showMessageBox(QStringLiteral("Uwaga"), QStringLiteral("Tekst"));
        QCOMPARE(LxTest::visibleMessageBoxes().size(), 1);
        // Through the window system, where a modal box would swallow the keys.
        for (char c : {'o', 'k'})
            QTest::keyClick(window.windowHandle(), c);
        QCOMPARE(window.text(), QStringLiteral("ok"));
    }
};

LX_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
