#include "panel/lineeditwidget.h"
#include "panel/progressbarwidget.h"
#include "tests/support/lxtest.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolTip>
#include <memory>

namespace {
const QString modelText = QStringLiteral("Dane niedostępne w wybranym modelu");
const QString interfaceText =
    QStringLiteral("Dane niedostępne przy użyciu wybranego interfejsu komunikacyjnego");

// One view over either kind of value widget, so both go through the same table.
struct Field
{
    std::unique_ptr<QWidget> widget;
    AbstractWidget* sweep = nullptr;

    explicit Field(const QString& kind)
    {
        if (kind == QLatin1String("edit")) {
            auto* w = new LineEditWidget;
            widget.reset(w);
        } else {
            auto* w = new ProgressBarWidget;
            widget.reset(w);
        }
        // The main window finds the switch by a cast from QWidget*.
        sweep = dynamic_cast<AbstractWidget*>(widget.get());
    }
    QPushButton* help() const { return widget->findChild<QPushButton*>(QStringLiteral("helpButton")); }
    QWidget* inner() const
    {
        if (auto* e = widget->findChild<QLineEdit*>(QStringLiteral("lineEdit")))
            return e;
        return widget->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    }
    QString text() const
    {
        if (auto* e = qobject_cast<QLineEdit*>(inner()))
            return e->text();
        return static_cast<QProgressBar*>(inner())->text();
    }
    void apply(const QString& op)
    {
        if (op == QLatin1String("na")) {
            if (auto* e = qobject_cast<LineEditWidget*>(widget.get()))
                e->setNotAvailable();
            else
                static_cast<ProgressBarWidget*>(widget.get())->setNotAvailable();
        } else if (op == QLatin1String("on")) {
            sweep->setDataAvailable(true);
        } else if (op == QLatin1String("off")) {
            sweep->setDataAvailable(false);
        } else {
            const QString value = op.mid(1);
            if (auto* e = qobject_cast<LineEditWidget*>(widget.get()))
                e->setValue(value + QStringLiteral(" W"));
            else
                static_cast<ProgressBarWidget*>(widget.get())->setValue(value.toInt());
        }
    }
};
} // namespace

class TestValueWidgets : public QObject
{
    Q_OBJECT

private slots:
    void freshWidgetsAreBlank_data();
    void freshWidgetsAreBlank();
    void stateSequences_data();
    void stateSequences();
    void barValues_data();
    void barValues();
    void helpTexts();
    void cleanup() { QToolTip::hideText(); }
};

void TestValueWidgets::freshWidgetsAreBlank_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("text field") << "edit";
    QTest::newRow("bar") << "bar";
}

void TestValueWidgets::freshWidgetsAreBlank()
{
    QFETCH(QString, kind);
    Field f(kind);
    QVERIFY(f.sweep);
    // The bar's form carries a design-time 24 that must never be seen.
    QCOMPARE(f.text(), QString());
    if (auto* bar = qobject_cast<QProgressBar*>(f.inner()))
        QCOMPARE(bar->value(), 0);
    QVERIFY(f.help()->isHidden());
    QVERIFY(f.inner()->isEnabled());
    QCOMPARE(f.help()->focusPolicy(), Qt::NoFocus);
    if (auto* e = qobject_cast<QLineEdit*>(f.inner()))
        QVERIFY(e->isReadOnly());
}

void TestValueWidgets::stateSequences_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("helpShown");
    QTest::addColumn<bool>("enabled");

    // "v<n>" shows a value (n W in a text field, n % on a bar), "na" not available,
    // "on"/"off" the main window's switch.
    const struct
    {
        const char* name;
        const char* ops;
        const char* edit;
        const char* bar;
        bool help;
        bool enabled;
    } rows[] = {
        {"value", "v45", "45 W", "45 %", false, true},
        {"not available", "na", "N/D", "N/D", true, true},
        {"value hides help", "na,v45", "45 W", "45 %", false, true},
        {"not available twice", "na,na", "N/D", "N/D", true, true},
        {"switched off wipes N/D", "na,off", "", "", false, false},
        {"switched off wipes value", "v45,off", "", "", false, false},
        {"value while off", "off,v12", "12 W", "12 %", false, false},
        {"N/D while off", "off,na", "N/D", "N/D", true, false},
        {"on keeps value", "v45,on", "45 W", "45 %", false, true},
        {"back on after off", "v45,off,on,v7", "7 W", "7 %", false, true},
    };
    for (const auto& r : rows) {
        const QString ops = QString::fromLatin1(r.ops);
        QTest::addRow("edit: %s", r.name)
            << "edit" << ops << QString::fromUtf8(r.edit) << r.help << r.enabled;
        QTest::addRow("bar: %s", r.name) << "bar" << ops << QString::fromUtf8(r.bar) << r.help << r.enabled;
    }
}

void TestValueWidgets::stateSequences()
{
    QFETCH(QString, kind);
    QFETCH(QString, ops);
    QFETCH(QString, text);
    QFETCH(bool, helpShown);
    QFETCH(bool, enabled);

    Field f(kind);
    f.widget->show();
    for (const QString& op : ops.split(QLatin1Char(',')))
        f.apply(op);
    QCOMPARE(f.text(), text);
    QCOMPARE(f.help()->isVisible(), helpShown);
    QCOMPARE(f.inner()->isEnabled(), enabled);
    // Only the inner field is switched; the help button stays usable.
    QVERIFY(f.widget->isEnabled());
    QVERIFY(f.help()->isEnabled());
}

void TestValueWidgets::barValues_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("barValue");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << 10 << 45 << 45 << "45 %";
    QTest::newRow("zero") << 10 << 0 << 0 << "0 %";
    QTest::newRow("full") << 10 << 100 << 100 << "100 %";
    QTest::newRow("overload fills the bar") << 10 << 130 << 100 << "130 %";
    QTest::newRow("below range keeps the bar") << 30 << -5 << 30 << "-5 %";
}

void TestValueWidgets::barValues()
{
    QFETCH(int, before);
    QFETCH(int, percent);
    QFETCH(int, barValue);
    QFETCH(QString, text);

    ProgressBarWidget w;
    auto* bar = w.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    w.setValue(before);
    w.setValue(percent);
    QCOMPARE(bar->value(), barValue);
    QCOMPARE(bar->text(), text);
}

void TestValueWidgets::helpTexts()
{
    LineEditWidget edit;
    ProgressBarWidget bar;
    edit.show();
    bar.show();
    edit.setNotAvailable();
    bar.setNotAvailable();
    auto* editHelp = edit.findChild<QPushButton*>(QStringLiteral("helpButton"));
    auto* barHelp = bar.findChild<QPushButton*>(QStringLiteral("helpButton"));

    QCOMPARE(editHelp->toolTip(), modelText);
    QTest::mouseClick(editHelp, Qt::LeftButton);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), modelText);

    edit.setHelpToolTip(false);
    QCOMPARE(editHelp->toolTip(), interfaceText);
    QTest::mouseClick(editHelp, Qt::LeftButton);
    QTRY_COMPARE(QToolTip::text(), interfaceText);

    edit.setHelpToolTip(true);
    QCOMPARE(editHelp->toolTip(), modelText);

    // The bar always blames the model.
    QToolTip::hideText();
    QTest::mouseClick(barHelp, Qt::LeftButton);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), modelText);
}

LX_TEST_MAIN(TestValueWidgets)
#include "tst_valuewidgets.moc"
