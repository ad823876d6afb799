// Every window is fitted to the room its screen leaves: smaller when it can be,
// scrolling inside when its content needs more, its buttons in sight.
#include "panel/base/screenfit.h"
#include "tests/support/lxtest.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace {

// A window of one kind, shown at `size` (its fixed size when `fixed`).
using Build = std::function<QWidget*(const QSize& size, bool fixed)>;

QDialogButtonBox* buttonsOf(QWidget* dialog)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, dialog);
    box->setObjectName(QStringLiteral("buttonBox"));
    box->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("save"));
    box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    return box;
}

// Save and Cancel as plain push buttons in a row of their own.
QHBoxLayout* buttonRowOf(QWidget* parent)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const char* name : {"save", "cancel"}) {
        auto* button = new QPushButton(QString::fromLatin1(name), parent);
        button->setObjectName(QString::fromLatin1(name));
        row->addWidget(button);
    }
    return row;
}

QWidget* laidOut(const QSize& size, bool fixed)
{
    auto* dialog = new QDialog;
    auto* grid = new QGridLayout(dialog);
    auto* edit = new QTextEdit(dialog);
    edit->setMinimumSize(size.width() - 40, 100);
    grid->addWidget(edit, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("logo"), dialog), 1, 0);
    grid->addWidget(buttonsOf(dialog), 1, 1);
    fixed ? dialog->setFixedSize(size) : dialog->resize(size);
    return dialog;
}

QWidget* placedByHand(const QSize& size, bool fixed)
{
    auto* dialog = new QDialog;
    auto* edit = new QTextEdit(dialog);
    edit->setGeometry(10, 10, size.width() - 20, size.height() - 80);
    buttonsOf(dialog)->setGeometry(size.width() - 200, size.height() - 60, 190, 50);
    fixed ? dialog->setFixedSize(size) : dialog->resize(size);
    return dialog;
}

QWidget* laidOutWithButtonRow(const QSize& size, bool fixed)
{
    auto* dialog = new QDialog;
    auto* column = new QVBoxLayout(dialog);
    auto* edit = new QTextEdit(dialog);
    edit->setMinimumSize(size.width() - 40, 100);
    column->addWidget(edit);
    column->addLayout(buttonRowOf(dialog));
    fixed ? dialog->setFixedSize(size) : dialog->resize(size);
    return dialog;
}

QWidget* placedByHandWithButtonRow(const QSize& size, bool fixed)
{
    auto* dialog = new QDialog;
    auto* edit = new QTextEdit(dialog);
    edit->setGeometry(10, 10, size.width() - 20, size.height() - 80);
    auto* logo = new QLabel(QStringLiteral("logo"), dialog);
    logo->setGeometry(10, size.height() - 68, 100, 50);
    auto* row = new QWidget(dialog);
    row->setLayout(buttonRowOf(row));
    row->setGeometry(size.width() - 300, size.height() - 60, 290, 50);
    fixed ? dialog->setFixedSize(size) : dialog->resize(size);
    return dialog;
}

QWidget* mainWindow(const QSize& size, bool fixed)
{
    auto* window = new QMainWindow;
    auto* central = new QWidget(window);
    auto* column = new QVBoxLayout(central);
    column->addWidget(new QTextEdit(central));
    column->addWidget(new QPushButton(QStringLiteral("Zdarzenia"), central));
    window->setCentralWidget(central);
    fixed ? window->setFixedSize(size) : window->resize(size);
    return window;
}

} // namespace

Q_DECLARE_METATYPE(Build)

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void windowsOpenInsideTheScreen_data();
    void windowsOpenInsideTheScreen();
    void aWindowThatGrowsWhileShownIsFittedAgain();
    void aWindowPartlyOffTheScreenComesBack();
};

void TestScreenFit::windowsOpenInsideTheScreen_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<bool>("scrolls");

    const QRect laptop(0, 0, 1366, 768);
    const QRect small(0, 0, 1024, 768);
    const QRect beside(1920, 0, 1024, 738);
    QTest::newRow("a dialog that fits keeps its size")
        << Build(laidOut) << QSize(600, 400) << true << small << false;
    QTest::newRow("a resizable dialog too tall is made smaller")
        << Build(laidOut) << QSize(920, 800) << false << laptop << false;
    QTest::newRow("a fixed dialog too wide scrolls")
        << Build(laidOut) << QSize(1150, 532) << true << small << true;
    QTest::newRow("a fixed dialog too tall scrolls")
        << Build(laidOut) << QSize(805, 900) << true << laptop << true;
    QTest::newRow("a dialog placed by hand too wide scrolls")
        << Build(placedByHand) << QSize(1100, 606) << true << small << true;
    QTest::newRow("a fixed dialog with a row of buttons scrolls")
        << Build(laidOutWithButtonRow) << QSize(1150, 532) << true << small << true;
    QTest::newRow("a dialog placed by hand with a row of buttons scrolls")
        << Build(placedByHandWithButtonRow) << QSize(1100, 606) << true << small << true;
    QTest::newRow("on a second screen") << Build(placedByHand) << QSize(1100, 606) << true << beside << true;
    QTest::newRow("a fixed main window too big scrolls")
        << Build(mainWindow) << QSize(1200, 800) << true << small << true;
    QTest::newRow("a main window that fits")
        << Build(mainWindow) << QSize(962, 650) << true << small << false;
}

void TestScreenFit::windowsOpenInsideTheScreen()
{
    QFETCH(Build, build);
    QFETCH(QSize, size);
    QFETCH(bool, fixed);
    QFETCH(QRect, available);
    QFETCH(bool, scrolls);

    ScreenFit fit([available](const QWidget*) { return available; }, nullptr);
    qApp->installEventFilter(&fit);
    std::unique_ptr<QWidget> window(build(size, fixed));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    qApp->removeEventFilter(&fit);

    const QRect framed = window->frameGeometry();
    QVERIFY2(available.contains(framed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                        .arg(framed.x())
                                                        .arg(framed.y())
                                                        .arg(framed.width())
                                                        .arg(framed.height())));
    auto* area = window->findChild<QScrollArea*>(QStringLiteral("screenFitArea"));
    QCOMPARE(area != nullptr, scrolls);
    if (!scrolls) {
        const QSize room = available.size() - (window->frameGeometry().size() - window->size());
        if (size.width() <= room.width() && size.height() <= room.height())
            QCOMPARE(window->size(), size);
        return;
    }
    // What did not fit is there to scroll to, as large as before.
    QVERIFY(area->widget()->width() >= size.width() - 40 || area->widget()->height() >= size.height() - 80);
    QVERIFY(area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0);
    // Save and Cancel in sight, not behind the scrolling.
    for (auto* button :
         window->findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^(save|cancel)$")))) {
        QVERIFY(!area->isAncestorOf(button));
        QVERIFY(button->isVisible());
        QVERIFY(window->rect().contains(QRect(button->mapTo(window.get(), QPoint()), button->size())));
    }
}

void TestScreenFit::aWindowThatGrowsWhileShownIsFittedAgain()
{
    const QRect available(0, 0, 1024, 768);
    ScreenFit fit([available](const QWidget*) { return available; }, nullptr);
    qApp->installEventFilter(&fit);
    std::unique_ptr<QWidget> window(laidOut(QSize(600, 400), false));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // Rows that arrive later make the form wider than the screen.
    window->findChild<QTextEdit*>()->setMinimumWidth(1500);
    window->setFixedSize(1540, 400);
    qApp->removeEventFilter(&fit);
    QVERIFY(available.contains(window->frameGeometry()));
    QVERIFY(window->findChild<QScrollArea*>(QStringLiteral("screenFitArea")));
}

void TestScreenFit::aWindowPartlyOffTheScreenComesBack()
{
    const QRect available(0, 0, 1366, 768);
    std::unique_ptr<QWidget> window(laidOut(QSize(600, 400), true));
    window->move(1000, 600);
    fitToScreen(window.get(), available);
    QVERIFY(available.contains(window->geometry().marginsAdded(assumedFrame())));
    QCOMPARE(window->size(), QSize(600, 400));
}

LX_TEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
