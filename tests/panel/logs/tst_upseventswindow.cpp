#include "base/dialogrelay.h"
#include "logs/upseventswindow.h"
#include "lxtest.h"

#include <QDialogButtonBox>
#include <QListView>
#include <QPushButton>

namespace {
QStringList rows(const UpsEventsWindow& dialog)
{
    const QAbstractItemModel* model = dialog.findChild<QListView*>(QStringLiteral("eventsList"))->model();
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, 0).data().toString();
    return out;
}

QMap<QString, QString> stateWith(const QString& events)
{
    QMap<QString, QString> state{{QStringLiteral("isUpsFound"), QStringLiteral("1")},
                                 {QStringLiteral("isProperDevice"), QStringLiteral("1")},
                                 {QStringLiteral("device_status"), QStringLiteral("on_power_line")}};
    if (!events.isNull())
        state.insert(QStringLiteral("events"), events);
    return state;
}

const QString fetching = QStringLiteral("Pobieranie zdarzeń...");
} // namespace

class TestUpsEventsWindow : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void values_data();
    void values();
    void deviceStatesReachTheOpenDialog();
};

void TestUpsEventsWindow::form()
{
    UpsEventsWindow dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zdarzenia"));
    QCOMPARE(dialog.size(), QSize(475, 458));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.isModal());
    QCOMPARE(rows(dialog), QStringList{fetching});
    QCOMPARE(UpsEventsWindow::eventText(QStringLiteral("62")), QStringLiteral("Bypass: Start"));

    dialog.show();
    auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QCOMPARE(box->buttons().size(), 1);
    box->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestUpsEventsWindow::values_data()
{
    QTest::addColumn<QStringList>("values"); // handed over one after the other
    QTest::addColumn<QStringList>("shown");

    const QString bypass = QStringLiteral("03-07 09:05:01 - Bypass: Start");
    const QString charging = QStringLiteral("03-07 09:06:00 - Ładowanie baterii: Stop");
    QTest::newRow("empty keeps the placeholder") << QStringList{"", ""} << QStringList{fetching};
    QTest::newRow("records in order")
        << QStringList{"|62;3;7;9;5;1||49;3;7;9;6;0|"} << QStringList{bypass, charging};
    QTest::newRow("empty keeps the rows") << QStringList{"62;3;7;9;5;1", ""} << QStringList{bypass};
    QTest::newRow("a new value replaces the rows")
        << QStringList{"62;3;7;9;5;1", "49;3;7;9;6;0"} << QStringList{charging};
    QTest::newRow("nothing valid clears everything") << QStringList{"|"} << QStringList();
    QTest::newRow("bad records skipped")
        << QStringList{"62;3;7;9;5|62;3;7;9;5;1;0|62;3;;7;9;5|62;3;7;9;5;1"} << QStringList{bypass};
    QTest::newRow("unknown codes") << QStringList{"0;1;1;1;1;1|1;1;1;1;1;1|abc;1;1;1;1;1"}
                                   << QStringList{"01-01 01:01:01 - ----", "01-01 01:01:01 - ----",
                                                  "01-01 01:01:01 - ----"};
}

void TestUpsEventsWindow::values()
{
    QFETCH(QStringList, values);
    QFETCH(QStringList, shown);

    UpsEventsWindow dialog;
    for (const QString& value : values)
        dialog.setEvents(value);
    QCOMPARE(rows(dialog), shown);
}

void TestUpsEventsWindow::deviceStatesReachTheOpenDialog()
{
    DialogRelay relay;
    auto* dialog = new UpsEventsWindow;
    connectToService(dialog, relay);
    emit relay.deviceState(stateWith(QString())); // no history in this state
    QCOMPARE(rows(*dialog), QStringList{fetching});
    emit relay.deviceState(stateWith(QStringLiteral("62;3;7;9;5;1")));
    QCOMPARE(rows(*dialog), QStringList{QStringLiteral("03-07 09:05:01 - Bypass: Start")});
    emit relay.deviceState(stateWith(QString()));
    QCOMPARE(rows(*dialog), QStringList{QStringLiteral("03-07 09:05:01 - Bypass: Start")});
    delete dialog;
    // Gone with the dialog.
    emit relay.deviceState(stateWith(QStringLiteral("62;3;7;9;5;1")));
}

LX_TEST_MAIN(TestUpsEventsWindow)
#include "tst_upseventswindow.moc"
