#include "virtcentwindowtabhosts.h"

#include "common/helpers.h"
#include "common/named.h"
#include "common/receivedtext.h"
#include "link/linkmetatypes.h"
#include "link/upssocketcontroller.h"
#include "panel/base/answerwait.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

namespace {
// The one host type the tab loads, adds and tests: an ESXi host reached over SSH.
const int esxiSshType = 1;

bool sameHost(const VirtualizationCenterHost& a, const VirtualizationCenterHost& b)
{
    return a.type == b.type && a.id == b.id;
}

QString itemText(const VirtualizationCenterHost& host)
{
    if (!host.name.isEmpty())
        return host.name;
    return QStringLiteral("<HOST TYPE: %1 ID: %2>").arg(host.type).arg(host.id);
}

void setShownEnabled(QWidget* w, bool shown, bool enabled)
{
    w->setVisible(shown);
    w->setEnabled(enabled);
}

void setAllEnabled(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* w : widgets)
        w->setEnabled(enabled);
}

QGridLayout* groupGrid(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 15, 10, 10);
    grid->setHorizontalSpacing(10);
    return grid;
}
} // namespace

VirtCentWindowTabHosts::VirtCentWindowTabHosts(Luminorix::UpsSocketController* controller, QWidget* parent)
    : QWidget(parent), controller(controller), session(controller)
{
    registerLinkMetaTypes();
    buildForm();
    test_wait = new AnswerWait(this, testAnswerMs, "test_wait");
    connect(test_wait, &AnswerWait::expired, this, &VirtCentWindowTabHosts::testUnanswered);

    connect(cb_host_list, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VirtCentWindowTabHosts::slot_cb_host_list_selected);
    const QList<QPair<QPushButton*, void (VirtCentWindowTabHosts::*)()>> buttons = {
        {btn_add_host, &VirtCentWindowTabHosts::slot_btn_add_host},
        {btn_edit_host, &VirtCentWindowTabHosts::slot_btn_edit_host},
        {btn_remove_host, &VirtCentWindowTabHosts::slot_btn_remove_host},
        {btn_host_enabled_save, &VirtCentWindowTabHosts::slot_btn_host_enabled_save},
        {btn_host_name_save, &VirtCentWindowTabHosts::slot_btn_host_name_save},
        {btn_host_conn_save, &VirtCentWindowTabHosts::slot_btn_host_conn_save},
        {btn_host_username_save, &VirtCentWindowTabHosts::slot_btn_host_username_save},
        {btn_host_pass_change, &VirtCentWindowTabHosts::slot_btn_host_pass_change},
        {btn_test_connection, &VirtCentWindowTabHosts::slot_btn_test_connection},
        {btn_force_connection, &VirtCentWindowTabHosts::slot_btn_force_connection},
        {btn_accept_addnewmode, &VirtCentWindowTabHosts::slot_btn_accept_addnewmode},
        {btn_cancel_addnewmode, &VirtCentWindowTabHosts::slot_btn_cancel_addnewmode}};
    for (const auto& button : buttons)
        connect(button.first, &QPushButton::released, this, button.second);

    setMode(Idle);
}

VirtCentWindowTabHosts::~VirtCentWindowTabHosts() = default;

void VirtCentWindowTabHosts::buildForm()
{
    auto* layout = named(new QVBoxLayout(this), "layout");

    auto* hostRow = new QHBoxLayout;
    hostRow->addWidget(named(new QLabel(tr("Hosty")), "lbl_hosts"));
    hostRow->addSpacing(10);
    cb_host_list = named(new QComboBox, "cb_host_list");
    cb_host_list->setEditable(false);
    cb_host_list->setMinimumWidth(200);
    cb_host_list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    hostRow->addWidget(cb_host_list);
    hostRow->addSpacing(15);
    btn_add_host = named(new QPushButton(tr("Dodaj nowy")), "btn_add_host");
    btn_edit_host = named(new QPushButton(tr("Edytuj")), "btn_edit_host");
    btn_remove_host = named(new QPushButton(tr("Usuń host")), "btn_remove_host");
    hostRow->addWidget(btn_add_host);
    hostRow->addWidget(btn_edit_host);
    hostRow->addWidget(btn_remove_host);
    layout->addLayout(hostRow);

    gb_host_params = named(new QGroupBox(tr("Parametry hosta")), "gb_host_params");
    QGridLayout* params = groupGrid(gb_host_params);
    lbl_host_config = named(new QLabel(tr("Konfiguracja hosta")), "lbl_host_config");
    chk_host_enabled =
        named(new QCheckBox(tr("Zarządzanie i monitorowanie hosta aktywne")), "chk_host_enabled");
    lbl_logfail_icon = named(new QLabel, "lbl_logfail_icon");
    lbl_logfail_icon->setPixmap(QPixmap(QStringLiteral(":/images/images/warning2.png")));
    lbl_logfail_text = named(
        new QLabel(tr("Konfiguracja została wyłączona automatycznie,\nz powodu problemów z autoryzacją.")),
        "lbl_logfail_text");
    lbl_logfail_text->setStyleSheet(QStringLiteral("color: darkorange;"));
    lbl_logfail_icon->hide();
    lbl_logfail_text->hide();
    auto* enabledColumn = new QVBoxLayout;
    enabledColumn->addWidget(chk_host_enabled);
    auto* logfailRow = new QHBoxLayout;
    logfailRow->setSpacing(10);
    logfailRow->addWidget(lbl_logfail_icon);
    logfailRow->addWidget(lbl_logfail_text);
    logfailRow->addStretch();
    enabledColumn->addLayout(logfailRow);
    btn_host_enabled_save = named(new QPushButton(tr("Zapisz")), "btn_host_enabled_save");
    params->addWidget(lbl_host_config, 0, 0);
    params->addLayout(enabledColumn, 0, 1);
    params->addWidget(btn_host_enabled_save, 0, 2);

    lbl_host_name = named(new QLabel(tr("Nazwa hosta")), "lbl_host_name");
    le_host_name = named(new QLineEdit, "le_host_name");
    le_host_name->setMinimumWidth(100);
    le_host_name->setPlaceholderText(QStringLiteral("VM host"));
    btn_host_name_save = named(new QPushButton(tr("Zapisz")), "btn_host_name_save");
    params->addWidget(lbl_host_name, 1, 0);
    params->addWidget(le_host_name, 1, 1);
    params->addWidget(btn_host_name_save, 1, 2);

    lbl_host_address = named(new QLabel(tr("Adres")), "lbl_host_address");
    le_host_address = named(new QLineEdit, "le_host_address");
    le_host_address->setMinimumWidth(100);
    le_host_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    le_host_address->setPlaceholderText(QStringLiteral("esxi01.example.local"));
    lbl_host_port = named(new QLabel(tr("Port")), "lbl_host_port");
    le_host_port = named(new QLineEdit, "le_host_port");
    le_host_port->setFixedWidth(50);
    le_host_port->setPlaceholderText(QStringLiteral("22"));
    auto* addressRow = new QHBoxLayout;
    addressRow->setSpacing(10);
    addressRow->addWidget(le_host_address);
    addressRow->addWidget(lbl_host_port);
    addressRow->addWidget(le_host_port);
    btn_host_conn_save = named(new QPushButton(tr("Zapisz")), "btn_host_conn_save");
    params->addWidget(lbl_host_address, 2, 0);
    params->addLayout(addressRow, 2, 1);
    params->addWidget(btn_host_conn_save, 2, 2);

    lbl_host_username = named(new QLabel(tr("Nazwa użytkownika")), "lbl_host_username");
    le_host_username = named(new QLineEdit, "le_host_username");
    le_host_username->setFixedWidth(150);
    le_host_username->setPlaceholderText(QStringLiteral("user"));
    btn_host_username_save = named(new QPushButton(tr("Zapisz")), "btn_host_username_save");
    params->addWidget(lbl_host_username, 3, 0);
    params->addWidget(le_host_username, 3, 1);
    params->addWidget(btn_host_username_save, 3, 2);

    lbl_host_pass = named(new QLabel, "lbl_host_pass");
    le_host_pass = named(new QLineEdit, "le_host_pass");
    le_host_pass->setFixedWidth(150);
    le_host_pass->setEchoMode(QLineEdit::Password);
    btn_host_pass_change = named(new QPushButton(tr("Zmień")), "btn_host_pass_change");
    params->addWidget(lbl_host_pass, 4, 0);
    params->addWidget(le_host_pass, 4, 1);
    params->addWidget(btn_host_pass_change, 4, 2);

    params->addItem(new QSpacerItem(0, 30, QSizePolicy::Minimum, QSizePolicy::Expanding), 5, 0);
    auto* addRow = new QHBoxLayout;
    addRow->setSpacing(10);
    addRow->addStretch();
    btn_accept_addnewmode = named(new QPushButton(tr("Dodaj host")), "btn_accept_addnewmode");
    btn_cancel_addnewmode = named(new QPushButton, "btn_cancel_addnewmode");
    addRow->addWidget(btn_accept_addnewmode);
    addRow->addWidget(btn_cancel_addnewmode);
    params->addLayout(addRow, 6, 0, 1, 3);
    params->setRowStretch(7, 1);
    layout->addWidget(gb_host_params);

    gb_host_test = named(new QGroupBox(tr("Test połączenia z hostem")), "gb_host_test");
    QGridLayout* test = groupGrid(gb_host_test);
    lbl_test_connection = named(new QLabel(tr("Test połączenia")), "lbl_test_connection");
    btn_test_connection = named(new QPushButton(tr("Testuj połączenie")), "btn_test_connection");
    btn_force_connection =
        named(new QPushButton(tr("Testuj i akceptuj nieznany/nowy host")), "btn_force_connection");
    for (QPushButton* b : {btn_test_connection, btn_force_connection})
        b->setStyleSheet(QStringLiteral("padding-left: 10px; padding-right: 10px;"));
    auto* testRow = new QHBoxLayout;
    testRow->setSpacing(10);
    testRow->addWidget(btn_test_connection);
    testRow->addWidget(btn_force_connection);
    testRow->addStretch();
    test->addWidget(lbl_test_connection, 0, 0);
    test->addLayout(testRow, 0, 1);
    lbl_test_result = named(new QLabel(tr("Wynik testu")), "lbl_test_result");
    te_test_result = named(new QTextEdit, "te_test_result");
    te_test_result->setReadOnly(true);
    te_test_result->setMaximumHeight(75);
    test->addWidget(lbl_test_result, 1, 0);
    test->addWidget(te_test_result, 1, 1);
    test->setRowStretch(2, 1);
    layout->addWidget(gb_host_test);
}

void VirtCentWindowTabHosts::setMode(int mode)
{
    currentMode = mode;
    const bool idle = mode == Idle;
    const bool adding = mode == AddingHost;
    const bool editing = mode == EditingHost;

    setAllEnabled({cb_host_list, btn_add_host}, mode == Idle || mode == HostShown);
    setAllEnabled({btn_edit_host, btn_remove_host}, mode == HostShown);
    setAllEnabled({lbl_host_config, lbl_host_name, lbl_host_address, lbl_host_port, lbl_host_username},
                  !idle);
    setAllEnabled({chk_host_enabled, le_host_name, le_host_address, le_host_port, le_host_username,
                   lbl_host_pass, le_host_pass},
                  adding || editing);
    for (QPushButton* save : {btn_host_enabled_save, btn_host_name_save, btn_host_conn_save,
                              btn_host_username_save, btn_host_pass_change})
        setShownEnabled(save, editing, editing);
    setShownEnabled(btn_accept_addnewmode, adding, adding);
    setShownEnabled(btn_cancel_addnewmode, adding || editing, adding || editing);
    setShownEnabled(lbl_test_connection, !idle, !idle);
    for (QPushButton* test : {btn_test_connection, btn_force_connection})
        setShownEnabled(test, !idle, mode == HostShown || editing);
    setAllEnabled({lbl_test_result, te_test_result}, !idle);
    btn_cancel_addnewmode->setText(editing ? tr("Zakończ") : tr("Anuluj"));
    lbl_host_pass->setText(editing ? tr("Zmiana hasła") : tr("Hasło"));

    if (adding) {
        chk_host_enabled->setChecked(true);
        lbl_logfail_icon->hide();
        lbl_logfail_text->hide();
        clearHostFields();
        te_test_result->clear();
    }
    emit signal_lockControls(adding || editing);
}

void VirtCentWindowTabHosts::requestVirtualizationCenterHostList()
{
    host_list_answer.awaitAny();
    controller->getVirtualizationCenterHostList();
}

void VirtCentWindowTabHosts::requestListShowing(const VirtualizationCenterHost& host, bool listed,
                                                const QString& name)
{
    host_list_answer.await(
        [host, listed, name](const QList<VirtualizationCenterHost>& hosts) {
            const auto found =
                std::find_if(hosts.cbegin(), hosts.cend(),
                             [&host](const VirtualizationCenterHost& h) { return sameHost(h, host); });
            if (!listed)
                return found == hosts.cend();
            return found != hosts.cend() && (name.isNull() || found->name == name);
        },
        staleListsAfterChange);
    controller->getVirtualizationCenterHostList();
}

void VirtCentWindowTabHosts::requestEsxiSshHostDetails()
{
    if (selected_host.id <= 0 || selected_host.type != esxiSshType)
        return;
    wait_host_details = true;
    controller->getVirtualizationCenterEsxiSshHostDetails(selected_host.id);
}

void VirtCentWindowTabHosts::endSession()
{
    test_wait->stop();
    setEnabled(false);
}

void VirtCentWindowTabHosts::select(const VirtualizationCenterHost& host)
{
    selected_host = host;
    details_asked_again = false;
    // Adding a host is about no listed host, so a new selection leaves it be.
    if (currentMode != AddingHost && !sameHost(selected_host, shown_host))
        setMode(Idle);
}

void VirtCentWindowTabHosts::slot_virtualizationCenterHostListReceived(QList<VirtualizationCenterHost> hosts)
{
    if (!host_list_answer.take(hosts))
        return;
    host_list = hosts;
    unlisted_host = VirtualizationCenterHost();

    const QSignalBlocker blocker(cb_host_list);
    cb_host_list->clear();
    const int type = selected_host.type;
    const int id = selected_host.id;
    int target = 0;
    for (const VirtualizationCenterHost& host : host_list) {
        if (id > 0 && type > 0 && host.type == type && host.id == id)
            target = cb_host_list->count();
        cb_host_list->addItem(QIcon(), itemText(host), QVariant::fromValue(host));
    }
    if (cb_host_list->count() > 0)
        cb_host_list->setCurrentIndex(target);
    const QVariant data = cb_host_list->currentData();
    select(data.canConvert<VirtualizationCenterHost>() ? data.value<VirtualizationCenterHost>()
                                                       : VirtualizationCenterHost());
    requestEsxiSshHostDetails();
}

void VirtCentWindowTabHosts::slot_cb_host_list_selected(int id)
{
    Q_UNUSED(id)
    const QVariant data = cb_host_list->currentData();
    select(data.canConvert<VirtualizationCenterHost>() ? data.value<VirtualizationCenterHost>()
                                                       : VirtualizationCenterHost());
    requestEsxiSshHostDetails();
}

void VirtCentWindowTabHosts::slot_virtualizationCenterEsxiSshHostDetailsReceived(
    VirtualizationCenterEsxiShhHost host)
{
    if (!wait_host_details)
        return;
    wait_host_details = false;
    // The form holds what the user types for a new host; the details of a
    // listed one have no place in it.
    if (currentMode == AddingHost)
        return;
    // A reply about another host than the selected one (the selection moved on
    // while it was under way) must not fill the form: a save would then write
    // one host's values onto another.
    if (host.type != selected_host.type || host.id != selected_host.id) {
        if (!details_asked_again) {
            details_asked_again = true;
            requestEsxiSshHostDetails();
        }
        return;
    }
    te_test_result->clear();
    if (host.type == esxiSshType) {
        chk_host_enabled->setChecked(host.is_enabled && !host.is_disabled_logfail);
        lbl_logfail_icon->setVisible(host.is_disabled_logfail);
        lbl_logfail_text->setVisible(host.is_disabled_logfail);
        ReceivedText::show(le_host_name, host.name);
        ReceivedText::show(le_host_address, host.address);
        le_host_port->setText(QString::number(host.port));
        ReceivedText::show(le_host_username, host.user_name);
        le_host_pass->clear();
        shown_host = selected_host;
        setMode(HostShown);
        return;
    }
    chk_host_enabled->setChecked(false);
    lbl_logfail_icon->hide();
    lbl_logfail_text->hide();
    clearHostFields();
    shown_host = VirtualizationCenterHost();
    setMode(Idle);
}

void VirtCentWindowTabHosts::slot_btn_add_host()
{
    setMode(AddingHost);
}

void VirtCentWindowTabHosts::slot_btn_edit_host()
{
    setMode(EditingHost);
}

void VirtCentWindowTabHosts::slot_btn_cancel_addnewmode()
{
    setMode(Idle);
    requestVirtualizationCenterHostList();
}

int VirtCentWindowTabHosts::typedPort() const
{
    bool ok = false;
    const int port = le_host_port->text().toInt(&ok, 10);
    return ok ? port : 0;
}

void VirtCentWindowTabHosts::slot_btn_accept_addnewmode()
{
    VirtualizationCenterEsxiShhHost host;
    host.type = -1;
    host.id = -1;
    host.is_enabled = chk_host_enabled->isChecked();
    host.is_disabled_logfail = false;
    host.name = ReceivedText::of(le_host_name);
    host.address = ReceivedText::of(le_host_address);
    host.port = typedPort();
    host.user_name = ReceivedText::of(le_host_username);
    host.auth_method_password = true;
    host.password = le_host_pass->text();
    if (!validateHostName(host.name, -1) || !validateHostConnection(host.address, host.port) ||
        !validateUserName(host.user_name))
        return;
    if (!session.send([&] { controller->addVirtualizationCenterEsxiSshHost(host); }))
        return;
    wait_add_result = true;
    unlisted_host = VirtualizationCenterHost();
    unlisted_host.name = host.name;
    setMode(Idle);
}

void VirtCentWindowTabHosts::slot_virtualizationCenterHostAddNewResultReceived(
    VirtualizationCenterAddHostResult result)
{
    if (!wait_add_result)
        return;
    wait_add_result = false;
    if (result.has_error) {
        unlisted_host = VirtualizationCenterHost();
        warn(tr("Błąd podczas dodawania nowego hosta:\n\n%1").arg(result.error_str));
        setMode(Idle);
        return;
    }
    VirtualizationCenterHost added;
    added.type = result.type;
    added.id = result.id;
    selected_host = added;
    unlisted_host.type = added.type;
    unlisted_host.id = added.id;
    // A list made before the host was added would select another one.
    requestListShowing(added, true);
}

void VirtCentWindowTabHosts::sendEdit(const QMap<QString, QString>& parameters)
{
    if (!session.send([&] {
            controller->editVirtualizationCenterHost(selected_host.type, selected_host.id, parameters);
        }))
        return;
    if (parameters.contains(QStringLiteral("name"))) {
        saved_name = le_host_name->text();
        unlisted_host = selected_host;
        unlisted_host.name = saved_name;
    }
    wait_edit_result = true;
}

void VirtCentWindowTabHosts::slot_btn_host_enabled_save()
{
    sendEdit({{QStringLiteral("is_enabled"),
               chk_host_enabled->isChecked() ? QStringLiteral("1") : QStringLiteral("0")}});
}

void VirtCentWindowTabHosts::slot_btn_host_name_save()
{
    const QString name = ReceivedText::of(le_host_name);
    if (validateHostName(name, selected_host.id))
        sendEdit({{QStringLiteral("name"), escapeXml(name)}});
}

void VirtCentWindowTabHosts::slot_btn_host_conn_save()
{
    const QString address = ReceivedText::of(le_host_address);
    const int port = typedPort();
    if (validateHostConnection(address, port))
        sendEdit({{QStringLiteral("address"), escapeXml(address)},
                  {QStringLiteral("port"), QString::number(port)}});
}

void VirtCentWindowTabHosts::slot_btn_host_username_save()
{
    const QString userName = ReceivedText::of(le_host_username);
    if (validateUserName(userName))
        sendEdit({{QStringLiteral("auth_method_password"), QStringLiteral("1")},
                  {QStringLiteral("user_name"), escapeXml(userName)}});
}

void VirtCentWindowTabHosts::slot_btn_host_pass_change()
{
    // The service would store the empty text as the password.
    if (le_host_pass->text().isEmpty()) {
        warn(tr("Hasło nie może być puste.\n\nWprowadź nowe hasło i spróbuj ponownie."));
        return;
    }
    sendEdit({{QStringLiteral("auth_method_password"), QStringLiteral("1")},
              {QStringLiteral("password"), escapeXml(le_host_pass->text())}});
}

void VirtCentWindowTabHosts::slot_virtualizationCenterChangeHostSettingsResultReceived(
    VirtualizationCenterChangeHostSettingsResult result)
{
    if (!wait_edit_result)
        return;
    wait_edit_result = false;
    const QString renamedTo = saved_name;
    saved_name = QString();
    if (result.has_error) {
        unlisted_host = VirtualizationCenterHost();
        warn(tr("Błąd podczas edycji parametrów hosta:\n\n%1").arg(result.error_str));
    }
    // Successful or not, the form goes back to what the service now holds; a
    // list made before a rename would bring back the old name.
    if (!result.has_error && !renamedTo.isNull())
        requestListShowing(selected_host, true, renamedTo);
    else
        requestVirtualizationCenterHostList();
}

void VirtCentWindowTabHosts::slot_btn_remove_host()
{
    QMessageBox box(QMessageBox::Question, tr("Centrum wirtualizacji"),
                    tr("Czy na pewno chcesz usunąć wybrany host:\n\"%1\"?").arg(selected_host.name),
                    QMessageBox::Yes | QMessageBox::No, this);
    // Enter must not remove a host.
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    const VirtualizationCenterHost host = selected_host;
    if (!session.send([&] { controller->removeVirtualizationCenterHost(host.type, host.id); }))
        return;
    setMode(Idle);
    // A list made after the removal, so that the host leaves the combo.
    requestListShowing(selected_host, false);
}

void VirtCentWindowTabHosts::slot_btn_test_connection()
{
    startTest(false);
}

void VirtCentWindowTabHosts::slot_btn_force_connection()
{
    startTest(true);
}

void VirtCentWindowTabHosts::startTest(bool allowConnectNewHost)
{
    // The service tests only hosts it reaches over SSH; for any other the
    // tab says nothing rather than announce a test that never runs.
    if (selected_host.type != esxiSshType)
        return;
    if (!session.send(
            [&] { controller->testVirtualizationCenterEsxiSshHost(selected_host.id, allowConnectNewHost); }))
        return;
    te_test_result->clear();
    te_test_result->append(tr("Wykonywanie testu..."));
    test_wait->start();
    setMode(TestRunning);
}

void VirtCentWindowTabHosts::testUnanswered()
{
    te_test_result->clear();
    te_test_result->append(tr("Usługa nie odpowiedziała na czas."));
    endTest();
}

void VirtCentWindowTabHosts::endTest()
{
    const bool showsSelected =
        shown_host.type == esxiSshType && shown_host.id > 0 && sameHost(selected_host, shown_host);
    setMode(showsSelected ? HostShown : Idle);
}

void VirtCentWindowTabHosts::slot_virtualizationCenterEsxiSshHostTestResultReceived(bool has_error,
                                                                                    QString error_str)
{
    test_wait->stop();
    te_test_result->clear();
    if (has_error) {
        te_test_result->append(tr("Wynik testu NEGATYWNY:"));
        ReceivedText::append(te_test_result, error_str);
    } else {
        te_test_result->append(tr("Wynik testu pozytywny [ OK ]"));
    }
    endTest();
}

void VirtCentWindowTabHosts::clearHostFields()
{
    // Also editable again, where a received text was shown cut.
    for (QLineEdit* edit : {le_host_name, le_host_address, le_host_username})
        ReceivedText::show(edit, QString());
    le_host_port->clear();
    le_host_pass->clear();
}

bool VirtCentWindowTabHosts::validateHostName(const QString& name, int excludedId)
{
    if (name.isEmpty()) {
        warn(tr("Nazwa hosta nie może być pusta.\n\nWprowadź nazwę hosta i spróbuj ponownie."));
        return false;
    }
    const QString simplified = name.simplified();
    QList<VirtualizationCenterHost> taken = host_list;
    if (!unlisted_host.name.isNull())
        taken.append(unlisted_host);
    for (const VirtualizationCenterHost& host : qAsConst(taken)) {
        if (excludedId > 0 && host.id == excludedId)
            continue;
        if (host.name.simplified().compare(simplified, Qt::CaseInsensitive) == 0) {
            warn(tr("Nazwa hosta musi być unikalna.\n\nWprowadź prawidłową nazwę hosta i spróbuj ponownie."));
            return false;
        }
    }
    return true;
}

bool VirtCentWindowTabHosts::validateHostConnection(const QString& address, int port)
{
    if (address.isEmpty()) {
        warn(tr("Adres hosta nie może być pusty.\n\nWprowadź adres hosta i spróbuj ponownie."));
        return false;
    }
    if (port < 1 || port > 65535) {
        warn(tr("Nieprawidłowy numer portu.\n\nWprowadź wartość z zakresu 1-65535 i spróbuj ponownie."));
        return false;
    }
    return true;
}

bool VirtCentWindowTabHosts::validateUserName(const QString& user_name)
{
    if (user_name.isEmpty()) {
        warn(tr("Nazwa użytkownika nie może być pusta.\n\nWprowadź nazwę użytkownika i spróbuj ponownie."));
        return false;
    }
    return true;
}

void VirtCentWindowTabHosts::warn(const QString& text)
{
    QMessageBox::warning(this, tr("Centrum wirtualizacji"), text, QMessageBox::Ok);
}

void connectToService(VirtCentWindowTabHosts* tab, Luminorix::UpsSocketController* controller)
{
    using Controller = Luminorix::UpsSocketController;
    QObject::connect(controller, &Controller::virtualizationCenterHostListReceived, tab,
                     &VirtCentWindowTabHosts::slot_virtualizationCenterHostListReceived);
    QObject::connect(controller, &Controller::virtualizationCenterEsxiSshHostDetailsReceived, tab,
                     &VirtCentWindowTabHosts::slot_virtualizationCenterEsxiSshHostDetailsReceived);
    QObject::connect(controller, &Controller::virtualizationCenterHostAddNewResultReceived, tab,
                     &VirtCentWindowTabHosts::slot_virtualizationCenterHostAddNewResultReceived);
    QObject::connect(controller, &Controller::virtualizationCenterEsxiSshHostTestResultReceived, tab,
                     &VirtCentWindowTabHosts::slot_virtualizationCenterEsxiSshHostTestResultReceived);
    QObject::connect(controller, &Controller::virtualizationCenterChangeHostSettingsResultReceived, tab,
                     &VirtCentWindowTabHosts::slot_virtualizationCenterChangeHostSettingsResultReceived);
}
