// A form placed by hand grows to its texts at a larger font, and what lies beside
// or below its holder moves out of the way.
#include "panel/base/formfit.h"
#include "tests/support/lxtest.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <memory>

class TestFormFit : public QObject
{
    Q_OBJECT

private slots:
    void holderGrowsToItsText_data();
    void holderGrowsToItsText();
};

void TestFormFit::holderGrowsToItsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("grows");
    QTest::newRow("a text that fits") << "Dane" << false;
    QTest::newRow("a text longer than the holder")
        << "Maksymalna wielkość pliku (1kB-100000 kB), dłuższa niż pole formularza" << true;
    QTest::newRow("two lines") << "Numer seryjny\nsterownika\nmodułu" << true;
}

void TestFormFit::holderGrowsToItsText()
{
    QFETCH(QString, text);
    QFETCH(bool, grows);
    auto dialog = std::make_unique<QDialog>();
    auto* holder = new QWidget(dialog.get());
    holder->setGeometry(10, 10, 150, 30);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text, holder);
    row->addWidget(label);
    auto* beside = new QPushButton(QStringLiteral("Przegląd"), dialog.get());
    beside->setGeometry(170, 10, 80, 20);
    auto* below = new QPushButton(QStringLiteral("OK"), dialog.get());
    below->setGeometry(10, 50, 80, 20);
    auto* sameColumn = new QWidget(dialog.get());
    sameColumn->setGeometry(10, 80, 150, 20);
    dialog->setFixedSize(260, 110);

    const QSize before = dialog->size();
    growWindowToText(dialog.get(), holder);

    const QSize need = label->sizeHint();
    QVERIFY(holder->width() >= need.width() && holder->height() >= need.height());
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    const int wider = holder->width() - 150;
    const int taller = holder->height() - 30;
    QCOMPARE(wider > 0 || taller > 0, grows);
    QCOMPARE(dialog->size(), before + QSize(wider, taller));
    QCOMPARE(beside->pos(), QPoint(170 + wider, 10));
    QCOMPARE(below->pos(), QPoint(10, 50 + taller));
    QCOMPARE(sameColumn->geometry(), QRect(10, 80 + taller, 150 + wider, 20));
}

LX_TEST_MAIN(TestFormFit)
#include "tst_formfit.moc"
