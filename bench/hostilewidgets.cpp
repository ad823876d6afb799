// Hostile replies that reach the panel's dialogs and tables, each at growing
// sizes up to the largest a service could send: shown offscreen, every kind
// must take time and memory linear in its size (or less).
#include "common/logpage.h"
#include "common/messageaction.h"
#include "common/sendmailaction.h"
#include "common/syscommandaction.h"
#include "common/ups.h"
#include "eventhistory.h"
#include "hostilekind.h"
#include "hostvmreply.h"
#include "link/framing.h"
#include "link/requestserializers.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/events/advancedoptionswindow.h"
#include "panel/events/networkconfigurationwindow.h"
#include "panel/events/sendemailwindow.h"
#include "panel/events/syscommandwindow.h"
#include "panel/logs/upseventswindow.h"
#include "panel/logs/upslogswindow.h"
#include "panel/luminorixwindow.h"
#include "panel/servicemessageboxes.h"
#include "panel/ups/upsconfigurationwindow.h"
#include "upsconfigurationmap.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTreeWidget>
#include <memory>

namespace {
using Step = HostileKind::Step;
using Input = HostileKind::Input;

QString drawn()
{
    QApplication::processEvents();
    return QString();
}

// ---- the event editor

Event eventWithMessage(int number, const QString& text)
{
    Event event;
    event.event_state = QStringLiteral("stateNormal");
    event.expressionIn = QStringLiteral("stateNormal,ON,==,");
    event.expressionOut = QStringLiteral("stateNormal,OFF,==,");
    event.event_number = number;
    event.event_parentId = 0;
    event.messageAction.reset(new MessageAction);
    event.messageAction->message_text = text;
    return event;
}

// The dialog loaded with `events` in group 0, shown, its group selected.
struct LoadedDialog
{
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    NetworkConfigurationWindow dialog;

    explicit LoadedDialog(const QVector<Event>& events) : dialog(ups())
    {
        connectToService(&dialog, &controller, relay);
        Group group;
        group.group_name = QStringLiteral("Serwerownia");
        group.group_configId = 0; // the group of the events
        dialog.setGroupsFromConfig({group});
        dialog.setEventsFromConfig(events);
        dialog.setAllComputers({});
        dialog.show();
        auto* network = dialog.findChild<QTreeWidget*>(QStringLiteral("networkElementsTree"));
        network->setCurrentItem(network->topLevelItem(0));
        QApplication::processEvents();
    }
    static Luminorix::Utils::Ups ups()
    {
        Luminorix::Utils::Ups device;
        device.id = QStringLiteral("1");
        device.model_name = QStringLiteral("KitePro_USB");
        return device;
    }
    template <typename T> T* child(const char* name) { return dialog.findChild<T*>(QLatin1String(name)); }
    // Edit, and how much of the message the editor shows.
    QString edit()
    {
        child<QPushButton>("editEventButton")->click();
        drawn();
        return QStringLiteral("%1 shown")
            .arg(child<QPlainTextEdit>("messageEdit")->document()->characterCount());
    }
};

// Edit until the editor is drawn (laying out the whole line took 5.6 s at
// 256 KiB and 78 s at 1 MiB).
Input longMessageLine(double mib, const QByteArray&)
{
    const int chars = int(mib * (1 << 20));
    auto loaded =
        std::make_shared<LoadedDialog>(QVector<Event>{eventWithMessage(1, QString(chars, QLatin1Char('x')))});
    auto* rows = loaded->child<QTreeWidget>("eventsTree");
    rows->setCurrentItem(rows->topLevelItem(0));
    return {
        mib,
        {{"edit", [loaded] { return loaded->edit(); }},
         {"cancel", [loaded] { return loaded->child<QPushButton>("cancelEventButton")->click(), drawn(); }}}};
}

// A received text as hostile replies bring it: one line without breaks, or
// ever more lines of one letter (8 MB of them compress into a small frame).
enum class TextShape
{
    OneLine,
    ShortLines
};

QString hostileText(TextShape shape, double mib)
{
    const int chars = int(mib * (1 << 20));
    return shape == TextShape::OneLine ? QString(chars, QLatin1Char('x'))
                                       : QStringLiteral("Y\n").repeated(chars / 2);
}

// Edit of an event whose message is `shape`, then Save of it untouched.
HostileKind messageKind(const char* name, const char* what, TextShape shape)
{
    return {name, what, "MiB", {1, 2, 4, 8}, [shape](double mib, const QByteArray&) {
                auto loaded = std::make_shared<LoadedDialog>(
                    QVector<Event>{eventWithMessage(1, hostileText(shape, mib))});
                auto* rows = loaded->child<QTreeWidget>("eventsTree");
                rows->setCurrentItem(rows->topLevelItem(0));
                return Input{mib,
                             {{"edit", [loaded] { return loaded->edit(); }},
                              {"save", [loaded] {
                                   return loaded->child<QPushButton>("saveEventButton")->click(), drawn();
                               }}}};
            }};
}

// The e-mail action's dialog on a body of `shape`: shown, OK, closed.
HostileKind mailKind(const char* name, const char* what, TextShape shape)
{
    return {name, what, "MiB", {1, 2, 4, 8}, [shape](double mib, const QByteArray&) {
                auto action = std::make_shared<SendMailAction>();
                action->subject = QStringLiteral("Zasilanie");
                action->body = hostileText(shape, mib);
                auto dialog = std::make_shared<std::unique_ptr<SendEmailWindow>>();
                return Input{mib,
                             {{"shown",
                               [action, dialog] {
                                   *dialog = std::make_unique<SendEmailWindow>();
                                   (*dialog)->showAction(*action);
                                   (*dialog)->show();
                                   return drawn();
                               }},
                              {"ok",
                               [action, dialog] {
                                   SendMailAction back = *action;
                                   (*dialog)->writeAction(back);
                                   return back.body == action->body ? QStringLiteral("kept")
                                                                    : QStringLiteral("changed");
                               }},
                              {"closed", [dialog] { return dialog->reset(), drawn(); }}}};
            }};
}

// The system command's dialog on a command line and options of one line each.
Input commandLine(double mib, const QByteArray&)
{
    auto action = std::make_shared<SysCommandAction>();
    action->command_line = hostileText(TextShape::OneLine, mib);
    action->command_options = action->command_line;
    auto dialog = std::make_shared<std::unique_ptr<SysCommandWindow>>();
    return {mib,
            {{"shown",
              [action, dialog] {
                  *dialog = std::make_unique<SysCommandWindow>();
                  (*dialog)->setCommandLine(action->command_line);
                  (*dialog)->setCommandOptions(action->command_options);
                  (*dialog)->show();
                  return drawn();
              }},
             {"ok",
              [action, dialog] {
                  return (*dialog)->commandLine() == action->command_line ? QStringLiteral("kept")
                                                                          : QStringLiteral("changed");
              }},
             {"closed", [dialog] { return dialog->reset(), drawn(); }}}};
}

// The service's message (show_message) in its box: shown, then closed unanswered.
HostileKind serviceMessageKind(const char* name, const char* what, TextShape shape)
{
    return {name, what, "MiB", {0.25, 1, 4, 8}, [shape](double mib, const QByteArray&) {
                auto parent = std::make_shared<QWidget>();
                parent->resize(800, 600);
                parent->show();
                auto boxes = std::make_shared<ServiceMessageBoxes>(parent.get());
                auto text = std::make_shared<QVector<QString>>(QVector<QString>{hostileText(shape, mib)});
                return Input{mib,
                             {{"shown", [boxes, text] { return boxes->show(*text), drawn(); }},
                              {"closed", [parent, boxes] {
                                   for (QMessageBox* box : parent->findChildren<QMessageBox*>())
                                       box->close();
                                   QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                                   return drawn();
                               }}}};
            }};
}

// The advanced event definition of a service's event whose condition is ever
// longer: opened (each condition shown and checked) and closed.
Input longDefinition(double mib, const QByteArray&)
{
    const QString term = QStringLiteral("stateNormal,ON,==,");
    const int terms = int(mib * (1 << 20)) / (term.size() + 3);
    QString condition = term;
    condition.reserve(int(mib * (1 << 20)) + term.size());
    for (int i = 1; i < terms; ++i)
        condition += term + QStringLiteral("||,");
    auto definition =
        std::make_shared<QStringList>(QStringList{QStringLiteral("Zdarzenie 1"), condition, condition});
    auto dialog = std::make_shared<std::unique_ptr<AdvancedOptionsWindow>>();
    return {mib,
            {{"shown",
              [definition, dialog] {
                  Luminorix::Utils::Ups ups;
                  ups.model_name = QStringLiteral("Harrier33_SNMP");
                  *dialog = std::make_unique<AdvancedOptionsWindow>(ups, *definition, nullptr);
                  (*dialog)->show();
                  return drawn();
              }},
             {"closed", [dialog] { return dialog->reset(), drawn(); }}}};
}

// ---- the device tree

// `count` devices, every tenth a virtual device with three members.
QVector<Luminorix::Utils::Ups> deviceList(int count)
{
    QVector<Luminorix::Utils::Ups> models;
    for (int i = 0; i < count; ++i) {
        Luminorix::Utils::Ups ups;
        ups.id = QString::number(i + 1);
        if (i % 10 == 0) {
            ups.model_name = QStringLiteral("Virtual_Device");
            ups.phy_ids = QStringList{QString::number(i + 2), QString::number(i + 3), QString::number(i + 4)};
        } else {
            ups.model_name = QStringLiteral("KitePro_USB");
            ups.user_defined_name = QStringLiteral("Biuro %1").arg(i);
        }
        models.append(ups);
    }
    return models;
}

QVector<Luminorix::Utils::currentDeviceStatus> statusList(int count, const char* status)
{
    QVector<Luminorix::Utils::currentDeviceStatus> statuses(count);
    for (int i = 0; i < count; ++i) {
        statuses[i].id = i + 1;
        statuses[i].connected = true;
        statuses[i].status = status;
    }
    return statuses;
}

// The status list of every poll, in the shown main window: the first, every device's
// state changed, the same again.
Input treeStatuses(double tenThousands, const QByteArray&)
{
    const int count = int(tenThousands * 10000);
    auto window = std::make_shared<LuminorixWindow>();
    window->show();
    window->upsModelMessageReceived(deviceList(count));
    drawn();
    auto first =
        std::make_shared<QVector<Luminorix::Utils::currentDeviceStatus>>(statusList(count, "on_power_line"));
    auto changed =
        std::make_shared<QVector<Luminorix::Utils::currentDeviceStatus>>(statusList(count, "on_battery"));
    return {
        tenThousands,
        {{"first", [window, first] { return window->upsCurrentStatusListMessageReceived(*first), drawn(); }},
         {"changed",
          [window, changed] { return window->upsCurrentStatusListMessageReceived(*changed), drawn(); }},
         {"back", [window, first] { return window->upsCurrentStatusListMessageReceived(*first), drawn(); }}}};
}

// The same line given whole to an editor, as Edit once did: the reason for the mend.
Input wholeLineInAnEditor(double kib, const QByteArray&)
{
    auto editor = std::make_shared<QPlainTextEdit>();
    editor->show();
    QApplication::processEvents();
    auto text = std::make_shared<QString>(int(kib * 1024), QLatin1Char('x'));
    return {kib, {{"shown", [editor, text] { return editor->appendPlainText(*text), drawn(); }}}};
}

// Save of a configuration whose events the service would send back in a reply
// over the frame bound: refused after one pass, nothing sent.
Input saveTooLarge(double thousands, const QByteArray&)
{
    QVector<Event> events;
    const QString filler = QStringLiteral(" Sprawdź stan baterii.").repeated(18);
    for (int i = 1; i <= int(thousands * 1000); ++i)
        events.append(eventWithMessage(i, QStringLiteral("Zasilanie sieciowe wróciło: %1.").arg(i) + filler));
    const double replyMb = double(Luminorix::serializeEvents(events, QStringLiteral("1")).size()) / (1 << 20);
    auto loaded = std::make_shared<LoadedDialog>(events);
    events.clear();
    return {replyMb,
            {{"save",
              [loaded] {
                  loaded->dialog.accept();
                  return loaded->dialog.isVisible() ? QStringLiteral("refused") : QStringLiteral("sent");
              }},
             {"answered", [] {
                  for (QWidget* widget : QApplication::topLevelWidgets()) {
                      if (qobject_cast<QMessageBox*>(widget))
                          widget->close();
                  }
                  return drawn();
              }}}};
}

// ---- the virtualization centre's table

std::shared_ptr<VmTableWidget> shownTable()
{
    auto table = std::make_shared<VmTableWidget>(QStringLiteral("Nazwa Hosta/Maszyny"),
                                                 QStringLiteral("Stan"), QStringLiteral("Szczegóły"));
    table->resize(900, 600);
    table->show();
    QApplication::processEvents();
    return table;
}

// What the user waits for after a reply: the merge, the table's refresh and the
// drawing that follows, as the virtual machines tab runs them.
QString refreshed(VmTableWidget* table)
{
    table->refreshTable();
    return drawn();
}

// The host list of every poll: first, the same again, then every tenth host new,
// then one host new.
Input hostList(double tenThousands, const QByteArray&)
{
    const int hosts = int(tenThousands * 10000);
    auto table = shownTable();
    QList<int> ids;
    for (int host = 0; host < hosts; ++host)
        ids << host;
    QList<int> changed = ids;
    for (int i = 0; i < changed.size(); i += 10)
        changed[i] = hosts + i;
    QList<int> oneNew = changed;
    oneNew[hosts / 2] = 3 * hosts;
    const auto merged = [table](const QList<int>& list) {
        table->setHostList(1, list);
        return refreshed(table.get());
    };
    return {tenThousands,
            {{"first", [merged, ids] { return merged(ids); }},
             {"same", [merged, ids] { return merged(ids); }},
             {"changed", [merged, changed] { return merged(changed); }},
             {"one-new", [merged, oneNew] { return merged(oneNew); }}}};
}

// One host's machines, merged and shown as the tab shows a host-VM reply.
Input hostVms(double tenThousands, const QByteArray&)
{
    const int vms = int(tenThousands * 10000);
    auto table = shownTable();
    table->setHostList(1, {0});
    return {
        tenThousands,
        {{"first",
          [table, vms] { return Bench::mergeHostVmReply(table.get(), 0, vms, 0), refreshed(table.get()); }},
         {"next",
          [table, vms] { return Bench::mergeHostVmReply(table.get(), 0, vms, 1), refreshed(table.get()); }},
         {"same",
          [table, vms] { return Bench::mergeHostVmReply(table.get(), 0, vms, 1), refreshed(table.get()); }}}};
}

// ---- the logs

Input eventHistory(double hundredThousands, const QByteArray&)
{
    const int records = int(hundredThousands * 100000);
    auto first = std::make_shared<QString>(Bench::eventHistory(records, 0));
    auto changed = std::make_shared<QString>(Bench::eventHistory(records, 1));
    auto same = std::make_shared<QString>(*changed);
    same->detach();
    auto window = std::make_shared<UpsEventsWindow>();
    window->show();
    QApplication::processEvents();
    return {hundredThousands,
            {{"first", [window, first] { return window->setEvents(*first), drawn(); }},
             {"changed", [window, changed] { return window->setEvents(*changed), drawn(); }},
             {"same", [window, same] { return window->setEvents(*same), drawn(); }}}};
}

std::shared_ptr<UpsLogsWindow> shownViewer(const char* type)
{
    auto window = std::make_shared<UpsLogsWindow>();
    window->setLogType(QLatin1String(type));
    window->show();
    QApplication::processEvents();
    return window;
}

Input emptyKeys(double tenThousands, const QByteArray&)
{
    const int keys = int(tenThousands * 10000);
    auto lines = std::make_shared<QStringList>(QStringList{QString(keys - 1, QLatin1Char(';'))});
    for (int i = 0; i < keys; ++i)
        *lines << QString(QLatin1String(""));
    auto window = shownViewer("parameters");
    return {tenThousands,
            {{"decoded",
              [lines] {
                  return QStringLiteral("%1 rows").arg(
                      LogPage::decode(QStringLiteral("parameters"), *lines).rowCount());
              }},
             {"shown", [window, lines] { return window->setLogs(*lines), drawn(); }}}};
}

Input messageCodes(double hundredThousands, const QByteArray&)
{
    const int codes = int(hundredThousands * 100000);
    QString line = QStringLiteral("2025-02-01,12:00:00");
    line.reserve(19 + codes * 3);
    for (int i = 0; i < codes; ++i)
        line += i % 2 ? QStringLiteral(",5") : QStringLiteral(",27");
    auto lines = std::make_shared<QStringList>(QStringList{line});
    line.clear();
    line.squeeze();
    auto window = shownViewer("messages");
    return {hundredThousands, {{"shown", [window, lines] { return window->setLogs(*lines), drawn(); }}}};
}

Input longCell(double millions, const QByteArray&)
{
    auto lines = std::make_shared<QStringList>(QStringList{QStringLiteral("date;time;input_voltage")});
    for (int r = 0; r < 100; ++r)
        *lines << QStringLiteral("2025-02-01;12:%1:00;").arg(r % 60, 2, 10, QLatin1Char('0')) +
                      (r == 3 ? QString(int(millions * 1e6), QLatin1Char('7')) : QStringLiteral("230.1"));
    auto window = shownViewer("parameters");
    return {millions,
            {{"shown", [window, lines] { return window->setLogs(*lines), drawn(); }},
             {"scrolled", [window] {
                  QScrollBar* bar =
                      window->findChild<QTableView*>(QStringLiteral("logTable"))->verticalScrollBar();
                  bar->setValue(bar->value() + 1);
                  return drawn();
              }}}};
}

// ---- the UPS configuration dialog

enum class ConfigurationShape
{
    UnknownKeys,
    LongText,
    ComboChoices,
    RadioChoices
};

// About `bytes` of configuration reply, as the link hands it over.
QMap<QString, QString> hostileConfiguration(ConfigurationShape shape, int bytes)
{
    QMap<QString, QString> map = Bench::fullUpsConfiguration();
    switch (shape) {
    case ConfigurationShape::UnknownKeys:
        for (int i = 0; i < bytes / 24; ++i)
            map.insert(QStringLiteral("u%1").arg(i, 7, 10, QLatin1Char('0')), QStringLiteral("1"));
        break;
    case ConfigurationShape::LongText:
        map.insert(QStringLiteral("snmp_sysname"), QString(bytes, QLatin1Char('x')));
        break;
    case ConfigurationShape::ComboChoices:
        map.insert(QStringLiteral("output_frequency_option"),
                   QStringLiteral("50") + QStringLiteral(";50").repeated(bytes / 3));
        break;
    case ConfigurationShape::RadioChoices:
        map.insert(QStringLiteral("controller_mode_option"),
                   QStringLiteral("A") + QStringLiteral(";A").repeated(bytes / 2));
        break;
    }
    return map;
}

// Shown and drawn, then closed: what the closed dialog leaves is the "held" figure.
HostileKind configurationKind(const char* name, const char* what, ConfigurationShape shape)
{
    return {name, what, "MB", {1.25, 2.5, 5, 10}, [shape](double mb, const QByteArray&) {
                // The reply's own map belongs to the link; the dialog's share is what is counted.
                auto map = std::make_shared<QMap<QString, QString>>(
                    hostileConfiguration(shape, int(mb * (1 << 20))));
                auto dialog = std::make_shared<std::unique_ptr<UPSConfigurationWindow>>();
                return Input{mb,
                             {{"shown",
                               [map, dialog] {
                                   Luminorix::Utils::Ups ups;
                                   ups.model_name = QStringLiteral("OspreyRT_SNMP");
                                   *dialog = std::make_unique<UPSConfigurationWindow>(ups);
                                   (*dialog)->show();
                                   (*dialog)->setConfiguration(*map);
                                   return drawn();
                               }},
                              {"closed", [dialog] { return dialog->reset(), drawn(); }}}};
            }};
}

} // namespace

QVector<HostileKind> widgetHostileKinds()
{
    return {
        {"edit-line",
         "event editor: Edit of an event whose message is one line without breaks",
         "MiB",
         {0.5, 1, 2, 4},
         longMessageLine},
        messageKind("edit-lines", "event editor: Edit and Save of a message of ever more lines of one letter",
                    TextShape::ShortLines),
        mailKind("mail-line", "e-mail action: a body of one line without breaks", TextShape::OneLine),
        mailKind("mail-lines", "e-mail action: a body of ever more lines of one letter",
                 TextShape::ShortLines),
        {"command-line",
         "system command action: a command line and options of one line each",
         "MiB",
         {1, 2, 4, 8},
         commandLine},
        serviceMessageKind("message-line", "service message (show_message): one line without breaks",
                           TextShape::OneLine),
        serviceMessageKind("message-lines", "service message (show_message): ever more lines of one letter",
                           TextShape::ShortLines),
        {"definition",
         "advanced event definition: conditions of ever more terms",
         "MiB",
         {0.5, 1, 2, 4},
         longDefinition},
        {"tree-statuses",
         "device tree: the status list of 12.5k to 100k devices, each state changed",
         "10k devs",
         {1.25, 2.5, 5, 10},
         treeStatuses},
        {"whole-line",
         "for comparison, not a path of the panel: the same line given whole to an editor",
         "KiB",
         {16, 32, 64, 128},
         wholeLineInAnEditor},
        {"save-large",
         "event editor: Save of 25k to 100k events, whose reply would exceed the frame bound",
         "reply MB",
         {25, 50, 100},
         saveTooLarge},
        {"host-list",
         "virtualization centre: the host list of every poll, 12.5k to 100k hosts, reply to drawn table",
         "10k hosts",
         {1.25, 2.5, 5, 10},
         hostList},
        {"host-vms",
         "virtualization centre: one host with 3,750 to 30,000 machines, reply to drawn table",
         "10k VMs",
         {0.375, 0.75, 1.5, 3},
         hostVms},
        {"history",
         "event history of 125k to 1M records: opened, a changed value, the same value again",
         "100k recs",
         {1.25, 2.5, 5, 10},
         eventHistory},
        {"empty-keys",
         "parameters page of as many empty keys as empty lines, 6,250 to 50,000",
         "10k keys",
         {0.625, 1.25, 2.5, 5},
         emptyKeys},
        {"codes",
         "messages page of one line of 125k to 1M message codes",
         "100k codes",
         {1.25, 2.5, 5, 10},
         messageCodes},
        {"cell",
         "parameters page of 100 rows, one cell of 625k to 5M characters",
         "M chars",
         {0.625, 1.25, 2.5, 5},
         longCell},
        configurationKind("config-keys", "UPS configuration dialog: keys the catalogue does not know",
                          ConfigurationShape::UnknownKeys),
        configurationKind("config-text", "UPS configuration dialog: one free text as long as the reply",
                          ConfigurationShape::LongText),
        configurationKind("config-combo", "UPS configuration dialog: a choice row of ever more choices",
                          ConfigurationShape::ComboChoices),
        configurationKind("config-radio", "UPS configuration dialog: the radio row of ever more choices",
                          ConfigurationShape::RadioChoices),
    };
}
