#include "panel/base/dialogrelay.h"
#include "panel/logs/upseventswindow.h"
#include "tests/support/lxtest.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

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

QListView* listOf(const UpsEventsWindow& dialog)
{
    return dialog.findChild<QListView*>(QStringLiteral("eventsList"));
}

const QString fetching = QStringLiteral("Pobieranie zdarzeń...");
const QString noHistory = QStringLiteral("Brak zapisanych zdarzeń");
const QString bypass = QStringLiteral("03-07 09:05:01 - Bypass: Start");
} // namespace

class TestUpsEventsWindow : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void values_data();
    void values();
    void deviceStatesReachTheOpenDialog();
    void statesWithAndWithoutHistory_data();
    void statesWithAndWithoutHistory();
    void rowsCannotBeEdited();
    void anUnchangedHistoryKeepsTheSelection();
    void longEntriesShowWhole_data();
    void longEntriesShowWhole();
};

void TestUpsEventsWindow::form()
{
    UpsEventsWindow dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zdarzenia"));
    // At least the form's width, wider when the longest event of the table needs it.
    QCOMPARE(dialog.height(), 458);
    QVERIFY(dialog.width() >= 475);
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
    QCOMPARE(rows(*dialog), QStringList{noHistory});
    emit relay.deviceState(stateWith(QStringLiteral("62;3;7;9;5;1")));
    QCOMPARE(rows(*dialog), QStringList{QStringLiteral("03-07 09:05:01 - Bypass: Start")});
    emit relay.deviceState(stateWith(QString()));
    QCOMPARE(rows(*dialog), QStringList{QStringLiteral("03-07 09:05:01 - Bypass: Start")});
    delete dialog;
    // Gone with the dialog.
    emit relay.deviceState(stateWith(QStringLiteral("62;3;7;9;5;1")));
}

void TestUpsEventsWindow::statesWithAndWithoutHistory_data()
{
    QTest::addColumn<QStringList>("values"); // "events" of each state; null: a state without the key
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("a state without history says so") << QStringList{QString()} << QStringList{noHistory};
    QTest::newRow("an empty history says so") << QStringList{QLatin1String("")} << QStringList{noHistory};
    QTest::newRow("then a history") << QStringList{QString(), "62;3;7;9;5;1"} << QStringList{bypass};
    QTest::newRow("a history stays when the next state has none")
        << QStringList{"62;3;7;9;5;1", QString()} << QStringList{bypass};
    QTest::newRow("nothing valid shows nothing") << QStringList{"|"} << QStringList();
}

void TestUpsEventsWindow::statesWithAndWithoutHistory()
{
    QFETCH(QStringList, values);
    QFETCH(QStringList, shown);

    DialogRelay relay;
    UpsEventsWindow dialog;
    connectToService(&dialog, relay);
    // Until the first state, the history is on its way.
    QCOMPARE(rows(dialog), QStringList{fetching});
    for (const QString& value : values)
        emit relay.deviceState(stateWith(value));
    QCOMPARE(rows(dialog), shown);
}

void TestUpsEventsWindow::rowsCannotBeEdited()
{
    UpsEventsWindow dialog;
    dialog.setEvents(QStringLiteral("62;3;7;9;5;1|49;3;7;9;6;0"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListView* list = listOf(dialog);
    const QModelIndex row = list->model()->index(1, 0);
    QVERIFY(!(row.flags() & Qt::ItemIsEditable));
    const QPoint at = list->visualRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::keyClick(list, Qt::Key_F2);
    QCOMPARE(list->findChildren<QLineEdit*>().size(), 0);
    QCOMPARE(row.data().toString(), QStringLiteral("03-07 09:06:00 - Ładowanie baterii: Stop"));
}

void TestUpsEventsWindow::anUnchangedHistoryKeepsTheSelection()
{
    DialogRelay relay;
    UpsEventsWindow dialog;
    connectToService(&dialog, relay);
    const QString history = QStringLiteral("62;3;7;9;5;1|49;3;7;9;6;0|16;1;2;3;4;5");
    emit relay.deviceState(stateWith(history));
    QListView* list = listOf(dialog);
    const QAbstractItemModel* model = list->model();
    list->setCurrentIndex(model->index(1, 0));
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);

    // Every poll brings the same history again, in a text of its own.
    QString again = history;
    again.detach();
    emit relay.deviceState(stateWith(again));
    QCOMPARE(resets.count(), 0);
    QCOMPARE(list->currentIndex().row(), 1);
    QCOMPARE(list->selectionModel()->selectedIndexes(), QModelIndexList{model->index(1, 0)});

    // A new record is shown.
    emit relay.deviceState(stateWith(history + QStringLiteral("|63;3;7;9;7;0")));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model->rowCount(), 4);
}

void TestUpsEventsWindow::longEntriesShowWhole_data()
{
    QTest::addColumn<QString>("history");
    QTest::newRow("compensation start and stop") << "78;2026;12;10;15;59|79;2026;12;10;16;2";
    QTest::newRow("phase order of the main line") << "76;3;7;9;5;1|77;3;7;9;6;0";
    QTest::newRow("one of each length") << "62;3;7;9;5;1|52;3;7;9;5;2|64;3;7;9;5;3";
}

// Their ends (": Start", ": Stop") are what tell two rows apart.
void TestUpsEventsWindow::longEntriesShowWhole()
{
    QFETCH(QString, history);
    UpsEventsWindow dialog;
    dialog.setEvents(history);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListView*>(QStringLiteral("eventsList"));
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        const QString text = index.data().toString();
        QVERIFY2(list->fontMetrics().horizontalAdvance(text) < list->viewport()->width(), qPrintable(text));
        QCOMPARE(index.data(Qt::ToolTipRole).toString(), text);
    }
}

LX_TEST_MAIN(TestUpsEventsWindow)
#include "tst_upseventswindow.moc"
