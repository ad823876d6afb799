// The host and VM table: replies of the service merged into rows (texts, icons,
// looks, marks, placeholders for vanished targets), and the mode machine with
// the choice of the managing system, driven through the widget's own controls.
#include "panel/virtualization/vmtablewidget.h"
#include "rowbox.h"
#include "tests/support/lxtest.h"
#include "tests/support/signalrecorder.h"
#include "vmtargettext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableWidget>
#include <functional>

using Script = std::function<void(VmTableWidget&)>;
Q_DECLARE_METATYPE(Script)

namespace {
constexpr int EsxiType = 1;

struct Vm
{
    int id;
    QString name;
    int state;
    int pending;
};

// What the virtual machines tab does with one host-list reply of ESXi hosts.
void hostList(VmTableWidget& w, const QList<int>& ids)
{
    w.setHostList(EsxiType, ids);
    w.refreshTable();
}

// What it does with one host-VM reply.
void hostVms(VmTableWidget& w, int hostId, const QString& name, int status, const QString& details,
             const QList<Vm>& vms)
{
    QList<int> ids;
    for (const Vm& vm : vms)
        ids << vm.id;
    w.setHostVms(EsxiType, hostId, ids);
    w.updateHost(EsxiType, hostId, name, status, details);
    for (const Vm& vm : vms) {
        w.setVmName(EsxiType, hostId, vm.id, vm.name);
        w.setVmState(EsxiType, hostId, vm.id, vm.state, vm.pending);
    }
    w.refreshTable();
}

// Host 1 "esx-a" with VMs 10 "web", 11 "db" and 12 (no name); host 2 "esx-b" with VM 20 "mail".
void twoHosts(VmTableWidget& w)
{
    hostList(w, {1, 2});
    hostVms(w, 1, QStringLiteral("esx-a"), 4, QStringLiteral("Online (7.0)"),
            {{10, QStringLiteral("web"), 1, 0}, {11, QStringLiteral("db"), 3, 0}, {12, QString(), 2, 0}});
    hostVms(w, 2, QStringLiteral("esx-b"), 4, QStringLiteral("Online (6.7)"),
            {{20, QStringLiteral("mail"), 1, 0}});
}

VmTableWidget::ManagementConfig config(bool vm, int hostId, int vmId, bool shutdown = false)
{
    VmTableWidget::ManagementConfig c;
    c.is_managed_from_internal_vm = vm;
    c.host_type = vm ? EsxiType : -1;
    c.host_id = hostId;
    c.vm_id = vmId;
    c.shutdown_ups_with_master_vm = shutdown;
    c.valid = true;
    return c;
}

QString describe(const VmTableWidget::ManagementConfig& c)
{
    return QStringLiteral("%1 %2:%3:%4 %5")
        .arg(int(c.is_managed_from_internal_vm))
        .arg(c.host_type)
        .arg(c.host_id)
        .arg(c.vm_id)
        .arg(int(c.shutdown_ups_with_master_vm));
}

QTableWidget* tableOf(VmTableWidget& w)
{
    return w.findChild<QTableWidget*>(QStringLiteral("vmTable"));
}

// The picture a cell shows, by the name of its file, or "" for none.
QString iconName(const QVariant& decoration)
{
    static const QStringList names{"host",
                                   "host_status_disabled",
                                   "host_status_dispass",
                                   "host_status_offline",
                                   "host_status_online",
                                   "host_status_invalid",
                                   "host_status_update",
                                   "vm_mode_master",
                                   "vm_mode_normal",
                                   "vm_state_running",
                                   "vm_state_suspended",
                                   "vm_state_poweroff",
                                   "vm_state_chnanging"};
    const QIcon icon = decoration.value<QIcon>();
    if (icon.isNull())
        return QString();
    const QImage shown = icon.pixmap(16).toImage();
    QStringList matches;
    for (const QString& name : names) {
        if (QIcon(QStringLiteral(":/img/img/%1.png").arg(name)).pixmap(16).toImage() == shown)
            matches << name;
    }
    return matches.isEmpty() ? QStringLiteral("?") : matches.join('/');
}

bool isVmRow(QTableWidget* t, int row)
{
    return t->item(row, 0)->data(VmTableWidget::VmIdRole).toInt() >= 0;
}

// "text{icon} | text{icon} | text" of columns 1 to 3, VM rows indented by two blanks.
QStringList rows(VmTableWidget& w)
{
    QTableWidget* t = tableOf(w);
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c <= 3; ++c) {
            const QTableWidgetItem* item = t->item(r, c);
            const QString icon = iconName(item->data(Qt::DecorationRole));
            cells << item->text() + (icon.isEmpty() ? QString() : QStringLiteral("{%1}").arg(icon));
        }
        out << (isVmRow(t, r) ? QStringLiteral("  ") : QString()) + cells.join(QStringLiteral(" | "));
    }
    return out;
}

// One word per row for its column-0 box: "x" checked, "o" unchecked, "-" in front when disabled.
QString marks(VmTableWidget& w)
{
    QTableWidget* t = tableOf(w);
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) {
        const QTableWidgetItem* item = t->item(r, 0);
        out << QString((item->flags() & Qt::ItemIsEnabled) ? "" : "-") +
                   (item->checkState() == Qt::Checked ? "x" : "o");
    }
    return out.join(' ');
}

// "bold italic strike gray darkred" as they apply to one cell.
QString look(const QTableWidgetItem* item)
{
    QStringList out;
    const QFont font = item->font();
    if (font.bold())
        out << "bold";
    if (font.italic())
        out << "italic";
    if (font.strikeOut())
        out << "strike";
    const QVariant fg = item->data(Qt::ForegroundRole);
    if (fg.isValid()) {
        const QColor colour = fg.value<QBrush>().color();
        out << (colour == QColor(Qt::gray)      ? "gray"
                : colour == QColor(Qt::darkRed) ? "darkred"
                                                : colour.name());
    }
    return out.join(' ');
}

template <class W> W* child(VmTableWidget& w, const char* name)
{
    W* found = w.findChild<W*>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}
} // namespace

class TestVmTableWidget : public QObject
{
    Q_OBJECT

private slots:
    void repliesMergeIntoRows_data();
    void repliesMergeIntoRows();
    void mergesForMissingEntriesReportIt();
    void columnsFollowTheirTexts();
    void readersChoiceSurvivesRefresh_data();
    void readersChoiceSurvivesRefresh();
    void refreshTouchesOnlyChangedRows_data();
    void refreshTouchesOnlyChangedRows();
    void scatteredChangesMoveKeptRows();
    void hostStatusLooks_data();
    void hostStatusLooks();
    void vmStateLooks_data();
    void vmStateLooks();
    void mergesStandStillWhileMarking_data();
    void mergesStandStillWhileMarking();
    void placeholdersStandInForVanishedTargets();
    void checkedItemsInActionForm_data();
    void checkedItemsInActionForm();
    void rowBoxesFollowTheContext_data();
    void rowBoxesFollowTheContext();
    void headerBoxMarksAllButProtectedRows_data();
    void headerBoxMarksAllButProtectedRows();
    void managerVmLooksAndProtection();
    void managementPanel_data();
    void managementPanel();
    void clickingVmBoxesPicksOneManager();
};

void TestVmTableWidget::repliesMergeIntoRows_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("new hosts show their id and no status until their VMs arrive")
        << Script([](VmTableWidget& w) {
               hostList(w, {3, 1});
           })
        << QStringList{"<HOST ID: 3>{host} |  | ", "<HOST ID: 1>{host} |  | "};

    QTest::newRow("a host-VM reply fills the host and its VMs in their order")
        << Script([](VmTableWidget& w) {
               hostList(w, {1});
               hostVms(w, 1, "esx-a", 4, "Online (7.0)",
                       {{10, "web", 1, 0}, {11, "", 3, 0}, {12, "db", 2, 3}, {13, "old", 0, 0}});
           })
        << QStringList{"esx-a{host} | Dostępny{host_status_online} | Online (7.0)",
                       "  web{vm_mode_normal} | Uruchomiona{vm_state_running} | ",
                       "  <VM ID: 11>{vm_mode_normal} | Wyłączona{vm_state_poweroff} | ",
                       "  db{vm_mode_normal} | Wstrzymana{vm_state_chnanging} | ",
                       "  old{vm_mode_normal} |  | "};

    QTest::newRow("a vanished host goes with its VMs and comes back at the end, unnamed")
        << Script([](VmTableWidget& w) {
               hostList(w, {1, 2});
               hostVms(w, 1, "esx-a", 4, "", {{10, "web", 1, 0}});
               hostVms(w, 2, "esx-b", 3, "", {});
               hostList(w, {2});
               hostList(w, {2, 1});
           })
        << QStringList{"esx-b{host} | Niedostępny{host_status_offline} | ", "<HOST ID: 1>{host} |  | "};

    QTest::newRow("a host-VM reply keeps the VMs still reported and appends new ones without a state")
        << Script([](VmTableWidget& w) {
               hostList(w, {1});
               hostVms(w, 1, "esx-a", 4, "", {{10, "web", 1, 0}, {11, "db", 3, 0}, {12, "mail", 1, 0}});
               w.setHostVms(EsxiType, 1, {14, 12, 10});
               w.refreshTable();
           })
        << QStringList{"esx-a{host} | Dostępny{host_status_online} | ",
                       "  web{vm_mode_normal} | Uruchomiona{vm_state_running} | ",
                       "  mail{vm_mode_normal} | Uruchomiona{vm_state_running} | ",
                       "  <VM ID: 14>{vm_mode_normal} |  | "};

    // Rows found by id after the rows before them went: each reply reaches its own row.
    QTest::newRow("hosts after a vanished one are still found by id")
        << Script([](VmTableWidget& w) {
               hostList(w, {1, 2, 3});
               hostVms(w, 3, "esx-c", 4, "", {});
               hostList(w, {2, 3});
               hostVms(w, 3, "esx-c2", 3, "", {});
               hostVms(w, 2, "esx-b", 4, "", {});
           })
        << QStringList{"esx-b{host} | Dostępny{host_status_online} | ",
                       "esx-c2{host} | Niedostępny{host_status_offline} | "};
    QTest::newRow("machines after a vanished one are still found by id")
        << Script([](VmTableWidget& w) {
               hostList(w, {1});
               hostVms(w, 1, "esx-a", 4, "", {{10, "web", 1, 0}, {11, "db", 3, 0}, {12, "mail", 1, 0}});
               w.setHostVms(EsxiType, 1, {11, 12});
               w.setVmName(EsxiType, 1, 12, QStringLiteral("mail2"));
               w.setVmState(EsxiType, 1, 11, 2, 0);
               w.refreshTable();
           })
        << QStringList{"esx-a{host} | Dostępny{host_status_online} | ",
                       "  db{vm_mode_normal} | Wstrzymana{vm_state_suspended} | ",
                       "  mail2{vm_mode_normal} | Uruchomiona{vm_state_running} | "};

    QTest::newRow("an empty name shows the bracketed id again") << Script([](VmTableWidget& w) {
        hostList(w, {5});
        hostVms(w, 5, "esx-a", 4, "", {});
        hostVms(w, 5, "", 4, "", {});
    }) << QStringList{"<HOST ID: 5>{host} | Dostępny{host_status_online} | "};

    QTest::newRow("a host list of one type leaves the hosts of another alone")
        << Script([](VmTableWidget& w) {
               w.setHostList(2, {5});
               w.setHostList(EsxiType, {1});
               w.setHostList(EsxiType, {});
               w.refreshTable();
           })
        << QStringList{"<HOST ID: 5>{host} |  | "};

    QTest::newRow("an id listed twice gives one row") << Script([](VmTableWidget& w) {
        hostList(w, {4, 4});
    }) << QStringList{"<HOST ID: 4>{host} |  | "};

    QTest::newRow("replies for hosts not listed change nothing") << Script([](VmTableWidget& w) {
        hostList(w, {1});
        hostVms(w, 9, "ghost", 4, "", {{1, "x", 1, 0}});
        w.setHostVms(2, 1, {3});
        w.refreshTable();
    }) << QStringList{"<HOST ID: 1>{host} |  | "};
}

void TestVmTableWidget::repliesMergeIntoRows()
{
    QFETCH(Script, script);
    QFETCH(QStringList, expected);
    VmTableWidget w("Nazwa", "Stan", "Szczegóły");
    script(w);
    QCOMPARE(rows(w), expected);
}

void TestVmTableWidget::mergesForMissingEntriesReportIt()
{
    VmTableWidget w("", "", "");
    hostList(w, {1});
    w.setHostVms(EsxiType, 1, {10});
    QVERIFY(!w.setHostVms(EsxiType, 2, {}));
    QVERIFY(!w.updateHost(EsxiType, 2, "x", 4, ""));
    QVERIFY(!w.setVmName(EsxiType, 1, 11, "x"));
    QVERIFY(!w.setVmState(EsxiType, 1, 11, 1, 0));
    QVERIFY(w.setVmName(EsxiType, 1, 10, "x"));
    QVERIFY(w.setVmState(EsxiType, 1, 10, 1, 0));
    QCOMPARE(w.hostList().size(), 1);
    QCOMPARE(w.hostList().first().vms.size(), 1);
}

// Columns are fitted again only when their texts or looks change, so a change
// of either must still reach the widths, in both directions.
void TestVmTableWidget::columnsFollowTheirTexts()
{
    VmTableWidget w("", "", "");
    QTableWidget* t = tableOf(w);
    hostList(w, {1});
    hostVms(w, 1, "esx", 0, "", {{10, "a", 1, 0}});
    const int name = t->columnWidth(1);
    const int state = t->columnWidth(2);

    hostVms(w, 1, "esx", 0, "", {{10, "a virtual machine with a long name", 1, 0}});
    QVERIFY(t->columnWidth(1) > name + 100);
    hostVms(w, 1, "esx", 5, "", {{10, "a", 1, 0}});
    QCOMPARE(t->columnWidth(1), name);
    QVERIFY(t->columnWidth(2) > state);
    hostVms(w, 1, "esx", 0, "", {{10, "a", 1, 0}});
    QCOMPARE(t->columnWidth(2), state);
}

void TestVmTableWidget::readersChoiceSurvivesRefresh_data()
{
    QTest::addColumn<Script>("change");
    QTest::addColumn<int>("selectedRow"); // where the chosen machine is afterwards

    QTest::newRow("nothing changed") << Script([](VmTableWidget&) {}) << 3;
    QTest::newRow("a host above goes") << Script([](VmTableWidget& w) { w.setHostList(EsxiType, {2}); }) << 1;
}

// The reader's row (found again by its ids), the column width the reader set
// and the scroll position stay across the refreshes of the poll.
void TestVmTableWidget::readersChoiceSurvivesRefresh()
{
    QFETCH(Script, change);
    QFETCH(int, selectedRow);

    VmTableWidget w("", "", "");
    w.resize(700, 400);
    w.show();
    QTableWidget* t = tableOf(w);
    hostList(w, {1, 2});
    hostVms(w, 1, "esx-a", 4, "", {{10, "web", 1, 0}});
    hostVms(w, 2, "esx-b", 4, "", {{20, "db", 1, 0}, {21, "mail", 1, 0}});
    t->selectRow(3);
    QCOMPARE(t->item(3, 1)->text(), QStringLiteral("db"));
    t->horizontalHeader()->resizeSection(3, 250);

    change(w);
    w.refreshTable();
    const QModelIndexList selected = t->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().row(), selectedRow);
    QCOMPARE(t->item(selectedRow, 1)->text(), QStringLiteral("db"));
    QCOMPARE(t->currentRow(), selectedRow);
    QCOMPARE(t->columnWidth(3), 250);

    // Far down a long list, the view stays where the reader is.
    QList<Vm> many;
    for (int id = 100; id < 160; ++id)
        many << Vm{id, QStringLiteral("vm %1").arg(id), 1, 0};
    hostVms(w, 2, "esx-b", 4, "", many);
    QTRY_VERIFY(t->verticalScrollBar()->maximum() > 0);
    t->verticalScrollBar()->setValue(t->verticalScrollBar()->maximum() / 2);
    const int scrolled = t->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    w.refreshTable();
    QCOMPARE(t->verticalScrollBar()->value(), scrolled);
}

void TestVmTableWidget::refreshTouchesOnlyChangedRows_data()
{
    QTest::addColumn<Script>("change");
    QTest::addColumn<QStringList>("touched"); // column 1 of the rows whose cells are new

    QTest::newRow("the same replies again") << Script(twoHosts) << QStringList();
    QTest::newRow("one machine's state") << Script([](VmTableWidget& w) {
        w.setVmState(EsxiType, 1, 11, 1, 0);
        w.refreshTable();
    }) << QStringList{"db"};
    QTest::newRow("a power operation under way") << Script([](VmTableWidget& w) {
        w.setVmState(EsxiType, 2, 20, 1, 3);
        w.refreshTable();
    }) << QStringList{"mail"};
    QTest::newRow("one host's details") << Script([](VmTableWidget& w) {
        w.updateHost(EsxiType, 2, QStringLiteral("esx-b"), 5, QStringLiteral("Błąd"));
        w.refreshTable();
    }) << QStringList{"esx-b"};
    QTest::newRow("a machine added in the middle") << Script([](VmTableWidget& w) {
        w.setHostVms(EsxiType, 1, {10, 11, 12, 13});
        w.refreshTable();
    }) << QStringList{"<VM ID: 13>"};
    QTest::newRow("a machine gone") << Script([](VmTableWidget& w) {
        w.setHostVms(EsxiType, 1, {10, 12});
        w.refreshTable();
    }) << QStringList();
    QTest::newRow("a host gone, one new") << Script([](VmTableWidget& w) {
        w.setHostList(EsxiType, {2, 3});
        w.refreshTable();
    }) << QStringList{"<HOST ID: 3>"};
    QTest::newRow("a managing machine named") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 10));
        w.refreshTable();
    }) << QStringList{"[MANAGER] web"};
    QTest::newRow("every row's box usable") << Script([](VmTableWidget& w) {
        w.setCheckContext(VmTableWidget::ActionTargets, false);
        w.refreshTable();
    }) << QStringList{"esx-a", "web", "db", "<VM ID: 12>", "esx-b", "mail"};
}

// A poll brings the same replies most times: the table keeps every cell it
// has, and a changed reply replaces the cells of the rows it changed only.
void TestVmTableWidget::refreshTouchesOnlyChangedRows()
{
    QFETCH(Script, change);
    QFETCH(QStringList, touched);

    VmTableWidget w("", "", "");
    twoHosts(w);
    QTableWidget* t = tableOf(w);
    // Cells made before the change carry a tag; a cell made anew has none.
    constexpr int Seen = Qt::UserRole + 50;
    {
        const QSignalBlocker quiet(t);
        for (int r = 0; r < t->rowCount(); ++r) {
            for (int c = 0; c < t->columnCount(); ++c)
                t->item(r, c)->setData(Seen, true);
        }
    }
    const QStringList before = rows(w);

    change(w);
    QStringList made;
    for (int r = 0; r < t->rowCount(); ++r) {
        int fresh = 0;
        for (int c = 0; c < t->columnCount(); ++c)
            fresh += !t->item(r, c)->data(Seen).toBool();
        QVERIFY2(fresh == 0 || fresh == t->columnCount(), qPrintable(t->item(r, 1)->text()));
        if (fresh)
            made << t->item(r, 1)->text();
    }
    QCOMPARE(made, touched);

    // What the kept rows show is what a table made from scratch shows.
    VmTableWidget scratch("", "", "");
    twoHosts(scratch);
    change(scratch);
    QCOMPARE(rows(w), rows(scratch));
    QCOMPARE(marks(w), marks(scratch));
    if (touched.isEmpty() && t->rowCount() == before.size())
        QCOMPARE(rows(w), before);
}

// Hosts going and coming all over a long list: the kept rows keep their cells
// and the reader's row, and the table reads as one made from scratch.
void TestVmTableWidget::scatteredChangesMoveKeptRows()
{
    QList<int> first;
    QList<int> next;
    for (int id = 1; id <= 300; ++id) {
        first << id;
        next << (id % 3 == 0 ? 1000 + id : id);
    }
    const auto load = [](VmTableWidget& w, const QList<int>& ids) {
        hostList(w, ids);
        hostVms(w, 200, QStringLiteral("esx-200"), 4, QString(), {{7, QStringLiteral("web"), 1, 0}});
    };
    VmTableWidget w("", "", "");
    QTableWidget* t = tableOf(w);
    load(w, first);
    t->selectRow(199); // host 200
    constexpr int Seen = Qt::UserRole + 50;
    {
        const QSignalBlocker quiet(t);
        for (int r = 0; r < t->rowCount(); ++r)
            t->item(r, 1)->setData(Seen, r);
    }

    load(w, next);
    VmTableWidget scratch("", "", ""); // the same store, shown at once
    scratch.setHostList(EsxiType, first);
    load(scratch, next);
    QCOMPARE(rows(w), rows(scratch));
    int kept = 0;
    for (int r = 0; r < t->rowCount(); ++r)
        kept += t->item(r, 1)->data(Seen).isValid();
    QCOMPARE(kept, 201); // two hosts in three and the machine
    QCOMPARE(t->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(t->item(t->selectionModel()->selectedRows().first().row(), 1)->text(),
             QStringLiteral("esx-200"));
}

void TestVmTableWidget::hostStatusLooks_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("looks"); // columns 1 to 3

    const QStringList plain{"bold", "", ""};
    const QStringList off{"bold italic gray", "italic gray", "italic gray"};
    QTest::newRow("0 none reported") << 0 << "esx{host} |  | details" << plain;
    QTest::newRow("1 monitoring off") << 1 << "esx{host} | Nieaktywny{host_status_disabled} | details" << off;
    QTest::newRow("2 blocked by authorisation")
        << 2 << "esx{host} | Nieaktywny (błąd autoryzacji){host_status_dispass} | details" << off;
    QTest::newRow("3 offline") << 3 << "esx{host} | Niedostępny{host_status_offline} | details" << plain;
    QTest::newRow("4 online") << 4 << "esx{host} | Dostępny{host_status_online} | details" << plain;
    QTest::newRow("5 communication error")
        << 5 << "esx{host} | Błąd połączenia{host_status_invalid} | details" << plain;
    QTest::newRow("6 update") << 6 << "esx{host} | Aktualizacja stanu{host_status_update} | details" << plain;
    QTest::newRow("7 placeholder") << 7 << "esx{host} | Nieznany/Usunięty{host_status_disabled} | details"
                                   << QStringList{"bold strike gray", "", "strike gray"};
    QTest::newRow("unknown code") << 12 << "esx{host} |  | details" << plain;
    QTest::newRow("negative code") << -1 << "esx{host} |  | details" << plain;
}

void TestVmTableWidget::hostStatusLooks()
{
    QFETCH(int, status);
    QFETCH(QString, row);
    QFETCH(QStringList, looks);
    VmTableWidget w("", "", "");
    hostList(w, {1});
    hostVms(w, 1, "esx", status, "details", {});
    QCOMPARE(rows(w), QStringList{row});
    QTableWidget* t = tableOf(w);
    QCOMPARE((QStringList{look(t->item(0, 1)), look(t->item(0, 2)), look(t->item(0, 3))}), looks);
}

void TestVmTableWidget::vmStateLooks_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("pending");
    QTest::addColumn<QString>("cell");

    QTest::newRow("not reported") << 0 << 0 << "";
    QTest::newRow("running") << 1 << 0 << "Uruchomiona{vm_state_running}";
    QTest::newRow("suspended") << 2 << 0 << "Wstrzymana{vm_state_suspended}";
    QTest::newRow("powered off") << 3 << 0 << "Wyłączona{vm_state_poweroff}";
    QTest::newRow("running, reset pending") << 1 << 4 << "Uruchomiona{vm_state_chnanging}";
    QTest::newRow("off, power on pending") << 3 << 1 << "Wyłączona{vm_state_chnanging}";
    QTest::newRow("not reported, pending") << 0 << 2 << "{vm_state_chnanging}";
    QTest::newRow("unknown state") << 9 << 0 << "";
}

void TestVmTableWidget::vmStateLooks()
{
    QFETCH(int, state);
    QFETCH(int, pending);
    QFETCH(QString, cell);
    VmTableWidget w("", "", "");
    hostList(w, {1});
    hostVms(w, 1, "esx", 4, "", {{10, "vm", state, pending}});
    QCOMPARE(rows(w).at(1), QStringLiteral("  vm{vm_mode_normal} | %1 | ").arg(cell));
    QTableWidget* t = tableOf(w);
    QCOMPARE(t->item(1, 1)->data(VmTableWidget::IndentRole).toInt(), 20);
    QCOMPARE(look(t->item(1, 1)), QString());
}

void TestVmTableWidget::mergesStandStillWhileMarking_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("applied");
    QTest::newRow("overview") << int(VmTableWidget::NoMarks) << true;
    QTest::newRow("action targets") << int(VmTableWidget::ActionTargets) << false;
    QTest::newRow("manager pick") << int(VmTableWidget::ManagerPick) << false;
}

void TestVmTableWidget::mergesStandStillWhileMarking()
{
    QFETCH(int, context);
    QFETCH(bool, applied);
    VmTableWidget w("", "", "");
    twoHosts(w);
    const QStringList before = rows(w);
    w.setCheckContext(VmTableWidget::CheckContext(context), false);

    hostList(w, {2, 3});
    QVERIFY(w.setHostVms(EsxiType, 2, {21}));
    QVERIFY(w.updateHost(EsxiType, 2, "renamed", 3, ""));
    QVERIFY(w.setVmName(EsxiType, 2, 21, "new"));
    QVERIFY(w.setVmState(EsxiType, 2, 21, 3, 0));
    w.refreshTable();

    if (applied) {
        QCOMPARE(rows(w), (QStringList{"renamed{host} | Niedostępny{host_status_offline} | ",
                                       "  new{vm_mode_normal} | Wyłączona{vm_state_poweroff} | ",
                                       "<HOST ID: 3>{host} |  | "}));
    } else {
        QCOMPARE(rows(w), before);
    }
}

void TestVmTableWidget::placeholdersStandInForVanishedTargets()
{
    VmTableWidget w("", "", "");
    twoHosts(w);
    w.setCheckContext(VmTableWidget::ActionTargets, true);
    w.markItems({{EsxiType, 9, {-1, 3}}, {EsxiType, 8, {4}}, {EsxiType, 1, {99, 10}}});
    w.refreshTable();

    QCOMPARE(rows(w),
             (QStringList{
                 "esx-a{host} | Dostępny{host_status_online} | Online (7.0)",
                 "  web{vm_mode_normal} | Uruchomiona{vm_state_running} | ",
                 "  db{vm_mode_normal} | Wyłączona{vm_state_poweroff} | ",
                 "  <VM ID: 12>{vm_mode_normal} | Wstrzymana{vm_state_suspended} | ",
                 "  <VM ID: 99>{vm_mode_normal} | Niedostępna/Nieznana/Usunięta{host_status_disabled} | ",
                 "esx-b{host} | Dostępny{host_status_online} | Online (6.7)",
                 "  mail{vm_mode_normal} | Uruchomiona{vm_state_running} | ",
                 "<HOST ID: 9>{host} | Nieznany/Usunięty{host_status_disabled} | ",
                 "  <VM ID: 3>{vm_mode_normal} | Niedostępna/Nieznana/Usunięta{host_status_disabled} | ",
                 "<HOST ID: 8>{host} | Nieznany/Usunięty{host_status_disabled} | ",
                 "  <VM ID: 4>{vm_mode_normal} | Niedostępna/Nieznana/Usunięta{host_status_disabled} | ",
             }));
    // The host of a VM-only target is a placeholder without a mark of its own.
    QCOMPARE(marks(w), QStringLiteral("-o -x -o -o -x -o -o -x -x -o -x"));
    QTableWidget* t = tableOf(w);
    QCOMPARE(look(t->item(4, 1)), QStringLiteral("strike gray"));
    QCOMPARE(look(t->item(7, 1)), QStringLiteral("bold strike gray"));
    QCOMPARE(describe(w.checkedItems()), QStringLiteral("1:1[10,99] 1:9[-1,3] 1:8[4]"));

    w.removePlaceholders();
    w.refreshTable();
    QCOMPARE(rows(w).size(), 6);
    QCOMPARE(describe(w.checkedItems()), QStringLiteral("1:1[10]"));

    // Back to the overview: the placeholders go, and with them their marks.
    w.markItems({{EsxiType, 9, {-1}}});
    w.setCheckContext(VmTableWidget::NoMarks, false);
    w.refreshTable();
    QCOMPARE(rows(w).size(), 6);
    QCOMPARE(describe(w.checkedItems()), QString());

    // No placeholders outside the marking contexts.
    w.markItems({{EsxiType, 9, {-1}}});
    QCOMPARE(w.hostList().size(), 2);
}

void TestVmTableWidget::checkedItemsInActionForm_data()
{
    QTest::addColumn<QList<VmActionTarget>>("targets");
    QTest::addColumn<QString>("checked");
    QTest::newRow("nothing") << QList<VmActionTarget>{} << "";
    QTest::newRow("a host alone") << QList<VmActionTarget>{{EsxiType, 2, {-1}}} << "1:2[-1]";
    QTest::newRow("VMs in list order, host first")
        << QList<VmActionTarget>{{EsxiType, 1, {12, 10, -1}}} << "1:1[-1,10,12]";
    QTest::newRow("hosts in list order")
        << QList<VmActionTarget>{{EsxiType, 2, {20}}, {EsxiType, 1, {11}}} << "1:1[11] 1:2[20]";
    QTest::newRow("a target with no ids marks nothing") << QList<VmActionTarget>{{EsxiType, 7, {}}} << "";
}

void TestVmTableWidget::checkedItemsInActionForm()
{
    QFETCH(QList<VmActionTarget>, targets);
    QFETCH(QString, checked);
    VmTableWidget w("", "", "");
    twoHosts(w);
    w.setCheckContext(VmTableWidget::ActionTargets, false);
    w.markItems(targets);
    QCOMPARE(describe(w.checkedItems()), checked);
    QCOMPARE(w.hasCheckedHost(), checked.contains("-1"));
    QCOMPARE(w.hasCheckedVm(), checked.contains(QRegularExpression("[0-9]{2}")));
}

void TestVmTableWidget::rowBoxesFollowTheContext_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<bool>("headerEnabled");

    // Rows: host 1, VMs 10 11 12, host 2, VM 20; host 1 and VM 11 marked where a context keeps marks.
    QTest::newRow("overview") << int(VmTableWidget::NoMarks) << false << "-o -o -o -o -o -o" << false;
    QTest::newRow("action targets, editable")
        << int(VmTableWidget::ActionTargets) << false << "x o x o o o" << true;
    QTest::newRow("action targets, read only")
        << int(VmTableWidget::ActionTargets) << true << "-x -o -x -o -o -o" << false;
    QTest::newRow("manager pick, editable")
        << int(VmTableWidget::ManagerPick) << false << "-o o x o -o o" << false;
    QTest::newRow("manager pick, read only")
        << int(VmTableWidget::ManagerPick) << true << "-o -o -x -o -o -o" << false;
}

void TestVmTableWidget::rowBoxesFollowTheContext()
{
    QFETCH(int, context);
    QFETCH(bool, readOnly);
    QFETCH(QString, marks);
    QFETCH(bool, headerEnabled);
    VmTableWidget w("", "", "");
    twoHosts(w);
    w.setCheckContext(VmTableWidget::CheckContext(context), readOnly);
    w.setItemMark(true, EsxiType, 1, -1);
    w.setItemMark(true, EsxiType, 1, 11);
    w.refreshTable();
    QCOMPARE(::marks(w), marks);
    QCOMPARE(child<QCheckBox>(w, "vmHeaderCheckBox")->isEnabled(), headerEnabled);
    // Item data that the box's slot reads back.
    QTableWidget* t = tableOf(w);
    QCOMPARE(t->item(2, 0)->data(VmTableWidget::HostTypeRole).toInt(), EsxiType);
    QCOMPARE(t->item(2, 0)->data(VmTableWidget::HostIdRole).toInt(), 1);
    QCOMPARE(t->item(2, 0)->data(VmTableWidget::VmIdRole).toInt(), 11);
    QCOMPARE(t->item(4, 0)->data(VmTableWidget::VmIdRole).toInt(), -1);
}

void TestVmTableWidget::headerBoxMarksAllButProtectedRows_data()
{
    QTest::addColumn<bool>("configReceived");
    QTest::addColumn<QString>("checked");
    // Host 1 online with the manager VM 10, host 2 switched off and marked, host 3 blocked by login failures.
    QTest::newRow("manager known") << true << "1:1[-1,11] 1:2[-1,20] 1:3[30]";
    QTest::newRow("no configuration yet") << false << "1:1[-1,10,11] 1:2[-1,20] 1:3[30]";
}

void TestVmTableWidget::headerBoxMarksAllButProtectedRows()
{
    QFETCH(bool, configReceived);
    QFETCH(QString, checked);
    VmTableWidget w("", "", "");
    hostList(w, {1, 2, 3});
    hostVms(w, 1, "a", 4, "", {{10, "manager", 1, 0}, {11, "x", 1, 0}});
    hostVms(w, 2, "b", 1, "", {{20, "y", 1, 0}});
    hostVms(w, 3, "c", 2, "", {{30, "z", 3, 0}});
    if (configReceived)
        w.setManagementConfig(config(true, 1, 10));
    w.setCheckContext(VmTableWidget::ActionTargets, false);
    w.markItems({{EsxiType, 2, {-1}}}); // a switched-off host keeps a mark it had
    w.refreshTable();
    w.resize(700, 400);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    auto* box = child<QCheckBox>(w, "vmHeaderCheckBox");
    QVERIFY(box->isVisible());
    QStyleOptionButton option;
    option.initFrom(box);
    const QPoint indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box).center();
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
    QVERIFY(box->isChecked());
    QCOMPARE(describe(w.checkedItems()), checked);
    QCOMPARE(marks(w).split(' ').at(1), QString(configReceived ? "-o" : "x")); // the manager VM's row

    QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
    QCOMPARE(describe(w.checkedItems()), QString());
}

void TestVmTableWidget::managerVmLooksAndProtection()
{
    VmTableWidget w("", "", "");
    twoHosts(w);
    w.setManagementConfig(config(true, 1, 11));
    w.refreshTable();
    QCOMPARE(rows(w).at(2),
             QStringLiteral("  [MANAGER] db{vm_mode_master} | Wyłączona{vm_state_poweroff} | "));
    QCOMPARE(look(tableOf(w)->item(2, 1)), QStringLiteral("darkred"));

    // An action aimed at the manager VM: its box is disabled and empty, its mark is kept.
    w.setCheckContext(VmTableWidget::ActionTargets, false);
    w.markItems({{EsxiType, 1, {11, 10}}});
    w.refreshTable();
    QCOMPARE(marks(w), QStringLiteral("o x -o o o o"));
    QCOMPARE(describe(w.checkedItems()), QStringLiteral("1:1[10,11]"));

    // A manager VM that the host no longer reports: struck out, and the gray wins.
    w.setCheckContext(VmTableWidget::ManagerPick, true);
    w.setManagementConfig(config(true, 1, 15));
    w.markItems({{EsxiType, 1, {15}}});
    w.refreshTable();
    QCOMPARE(rows(w).at(4), QStringLiteral("  [MANAGER] <VM ID: 15>{vm_mode_master} | "
                                           "Niedostępna/Nieznana/Usunięta{host_status_disabled} | "));
    QCOMPARE(look(tableOf(w)->item(4, 1)), QStringLiteral("strike gray"));

    // A physical computer names no manager VM, whatever ids came with it.
    VmTableWidget::ManagementConfig physical = config(false, 1, 11, true);
    physical.host_type = EsxiType;
    w.setManagementConfig(physical);
    QCOMPARE(describe(w.managementConfig()), QStringLiteral("0 -1:-1:-1 0"));
    QVERIFY(w.managementConfig().valid);
}

namespace {
void tab(VmTableWidget& w, int index)
{
    child<QTabBar>(w, "vmTabBar")->setCurrentIndex(index);
}
void press(VmTableWidget& w, const char* button)
{
    child<QPushButton>(w, button)->click();
}
void chooseType(VmTableWidget& w, bool vm)
{
    child<QComboBox>(w, "vmManagementTypeCombo")->setCurrentIndex(vm ? 1 : 0);
}
} // namespace

void TestVmTableWidget::managementPanel_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("managerText");
    QTest::addColumn<QString>("enabled"); // of combo, line edit, UPS box, Edytuj, Zastosuj, Anuluj
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("no configuration: all disabled, physical computer text") << Script([](VmTableWidget& w) {
        tab(w, 1);
        press(w, "vmManagementEditButton");
    }) << 1 << "<Fizyczny Komputer>"
                                                                            << "000000"
                                                                            << "-o -o -o -o -o -o"
                                                                            << QStringList{};

    QTest::newRow("a managing VM without ids shows the invalid text") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, -1, -1));
        tab(w, 1);
    }) << 1 << "<INVALID VM ID: HOST ID: -1 - VM ID: -1>"
                                                                      << "000100"
                                                                      << "-o -o -o -o -o -o" << QStringList{};

    QTest::newRow("a known VM shows its name, marked read only") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 11, true));
        tab(w, 1);
    }) << 1 << "db"
                                                                 << "000100"
                                                                 << "-o -o -x -o -o -o" << QStringList{};

    QTest::newRow("a known VM without a name shows its ids") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 12));
        tab(w, 1);
    }) << 1 << "<HOST ID: 1 - VM ID: 12>"
                                                             << "000100"
                                                             << "-o -o -o -x -o -o" << QStringList{};

    QTest::newRow("an unknown VM shows as such, with a placeholder row") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 2, 77));
        tab(w, 1);
    }) << 1 << "<UNKNOWN VM: HOST ID: 2 - VM ID: 77>"
                                                                         << "000100"
                                                                         << "-o -o -o -o -o -o -x"
                                                                         << QStringList{};

    QTest::newRow("a physical computer shows no name") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(false, -1, -1));
        tab(w, 1);
    }) << 1 << ""
                                                       << "000100"
                                                       << "-o -o -o -o -o -o" << QStringList{};

    QTest::newRow("editing a VM: its box is usable, Zastosuj ready") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 11, true));
        tab(w, 1);
        press(w, "vmManagementEditButton");
    }) << 2 << "db"
                                                                     << "111011"
                                                                     << "-o o x o -o o" << QStringList{};

    QTest::newRow("Zastosuj without a change still sends the configuration") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 11, true));
        tab(w, 1);
        press(w, "vmManagementEditButton");
        press(w, "vmManagementApplyButton");
    }) << 1 << "db"
                                                                             << "000100"
                                                                             << "-o -o -x -o -o -o"
                                                                             << QStringList{"1 1:1:11 1"};

    QTest::newRow("choosing the physical computer sends no VM and no UPS switch-off")
        << Script([](VmTableWidget& w) {
               w.setManagementConfig(config(true, 1, 11, true));
               tab(w, 1);
               press(w, "vmManagementEditButton");
               chooseType(w, false);
               press(w, "vmManagementApplyButton");
           })
        << 1 << ""
        << "000100"
        << "-o -o -o -o -o -o" << QStringList{"0 -1:-1:-1 0"};

    QTest::newRow("the physical computer while editing: boxes off, Zastosuj ready")
        << Script([](VmTableWidget& w) {
               w.setManagementConfig(config(true, 1, 11, true));
               tab(w, 1);
               press(w, "vmManagementEditButton");
               chooseType(w, false);
           })
        << 2 << ""
        << "100011"
        << "-o -o -o -o -o -o" << QStringList{};

    QTest::newRow("the UPS switch-off box goes into the configuration") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 11, false));
        tab(w, 1);
        press(w, "vmManagementEditButton");
        child<QCheckBox>(w, "vmUpsShutdownCheckBox")->setChecked(true);
        press(w, "vmManagementApplyButton");
    }) << 1 << "db"
                                                                        << "000100"
                                                                        << "-o -o -x -o -o -o"
                                                                        << QStringList{"1 1:1:11 1"};

    QTest::newRow("Anuluj discards the edit; Edytuj starts again from the committed one")
        << Script([](VmTableWidget& w) {
               w.setManagementConfig(config(true, 1, 11, true));
               tab(w, 1);
               press(w, "vmManagementEditButton");
               chooseType(w, false);
               press(w, "vmManagementCancelButton");
               QCOMPARE(child<QComboBox>(w, "vmManagementTypeCombo")->currentIndex(), 1);
               QVERIFY(child<QCheckBox>(w, "vmUpsShutdownCheckBox")->isChecked());
               press(w, "vmManagementEditButton");
               press(w, "vmManagementApplyButton");
           })
        << 1 << "db"
        << "000100"
        << "-o -o -x -o -o -o" << QStringList{"1 1:1:11 1"};

    QTest::newRow("leaving the tab while editing discards the edit") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 11, true));
        tab(w, 1);
        press(w, "vmManagementEditButton");
        chooseType(w, false);
        tab(w, 0);
        QVERIFY(!child<QGroupBox>(w, "vmManagementGroup")->isVisibleTo(&w));
        tab(w, 1);
    }) << 1 << "db"
                                                                     << "000100"
                                                                     << "-o -o -x -o -o -o" << QStringList{};

    QTest::newRow("a configuration that arrives while the panel is shown waits for its next update")
        << Script([](VmTableWidget& w) {
               w.setManagementConfig(config(true, 1, 11));
               tab(w, 1);
               w.setManagementConfig(config(true, 1, 10));
               w.refreshTable();
           })
        << 1 << "db"
        << "000100"
        << "-o -o -x -o -o -o" << QStringList{};

    QTest::newRow("Edytuj outside the management tab does nothing") << Script([](VmTableWidget& w) {
        w.setManagementConfig(config(true, 1, 11));
        tab(w, 1);
        tab(w, 0);
        child<QPushButton>(w, "vmManagementEditButton")->setEnabled(true);
        press(w, "vmManagementEditButton");
        child<QPushButton>(w, "vmManagementApplyButton")->setEnabled(true);
        press(w, "vmManagementApplyButton");
    }) << 0 << "db"
                                                                    << "000110"
                                                                    << "-o -o -o -o -o -o" << QStringList{};
}

void TestVmTableWidget::managementPanel()
{
    QFETCH(Script, script);
    QFETCH(int, mode);
    QFETCH(QString, managerText);
    QFETCH(QString, enabled);
    QFETCH(QString, marks);
    QFETCH(QStringList, emitted);

    VmTableWidget w("", "", "");
    twoHosts(w);
    QSignalSpy spy(&w, &VmTableWidget::signal_updateManagementOptions);
    script(w);

    QCOMPARE(w.mode(), mode);
    QCOMPARE(child<QLineEdit>(w, "vmManagerLineEdit")->text(), managerText);
    QString state;
    for (const char* name : {"vmManagementTypeCombo", "vmManagerLineEdit", "vmUpsShutdownCheckBox",
                             "vmManagementEditButton", "vmManagementApplyButton", "vmManagementCancelButton"})
        state += child<QWidget>(w, name)->isEnabled() ? '1' : '0';
    QCOMPARE(state, enabled);
    QCOMPARE(child<QGroupBox>(w, "vmManagementGroup")->isVisibleTo(&w), mode == 1 || mode == 2);
    QCOMPARE(::marks(w), marks);
    QStringList sent;
    for (const QList<QVariant>& args : qAsConst(spy))
        sent << describe(args.at(0).value<VmTableWidget::ManagementConfig>());
    QCOMPARE(sent, emitted);
    if (!emitted.isEmpty())
        QCOMPARE(describe(w.managementConfig()), emitted.last());
}

// A click on a row's box runs the slot that rebuilds the table, and with it
// deletes the very item whose change is being reported.
void TestVmTableWidget::clickingVmBoxesPicksOneManager()
{
    VmTableWidget w("", "", "");
    twoHosts(w);
    w.setManagementConfig(config(true, 1, 11));
    QSignalSpy spy(&w, &VmTableWidget::signal_updateManagementOptions);
    w.resize(800, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    tab(w, 1);
    press(w, "vmManagementEditButton");
    QCOMPARE(w.mode(), 2);

    QTableWidget* t = tableOf(w);
    auto* line = child<QLineEdit>(w, "vmManagerLineEdit");
    auto* apply = child<QPushButton>(w, "vmManagementApplyButton");
    const auto click = [t](int row) {
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, checkBoxCentre(t, row));
    };

    click(1); // web: the mark moves to it
    QCOMPARE(marks(w), QStringLiteral("-o x o o -o o"));
    QCOMPARE(line->text(), QStringLiteral("web"));
    QVERIFY(apply->isEnabled());

    click(1); // web again: no manager chosen
    QCOMPARE(marks(w), QStringLiteral("-o o o o -o o"));
    QCOMPARE(line->text(), QString());
    QVERIFY(!apply->isEnabled());

    click(0); // a host row's box is disabled
    QCOMPARE(marks(w), QStringLiteral("-o o o o -o o"));

    click(5); // mail on the other host
    QCOMPARE(marks(w), QStringLiteral("-o o o o -o x"));
    QCOMPARE(line->text(), QStringLiteral("mail"));
    QVERIFY(spy.isEmpty());

    press(w, "vmManagementApplyButton");
    QCOMPARE(spy.size(), 1);
    QCOMPARE(describe(spy.first().at(0).value<VmTableWidget::ManagementConfig>()),
             QStringLiteral("1 1:2:20 0"));
    QCOMPARE(w.mode(), 1);
    QCOMPARE(rows(w).at(5),
             QStringLiteral("  [MANAGER] mail{vm_mode_master} | Uruchomiona{vm_state_running} | "));
}

LX_TEST_MAIN(TestVmTableWidget)
#include "tst_vmtablewidget.moc"
