#include "common/metatypes.h"
#include "tests/support/lxtestcore.h"

#include <QMetaType>
#include <QObject>
#include <QWeakPointer>

using Luminorix::Utils::ApplicationConfiguration;
using Luminorix::Utils::currentDeviceStatus;
using Luminorix::Utils::SerialPort;
using Luminorix::Utils::SmtpConfig;
using Luminorix::Utils::Ups;

// Sends records across a queued, string-based connection the way the link does.
class RecordSender : public QObject
{
    Q_OBJECT
signals:
    void eventsReady(QVector<Event> events);
    void smtpReady(Luminorix::Utils::SmtpConfig config);
};

class RecordReceiver : public QObject
{
    Q_OBJECT
public:
    QVector<Event> events;
    SmtpConfig smtp;
    int calls = 0;

public slots:
    void takeEvents(QVector<Event> received)
    {
        events = received;
        ++calls;
    }
    void takeSmtp(Luminorix::Utils::SmtpConfig received)
    {
        smtp = received;
        ++calls;
    }
};

namespace {

struct ActionWatch
{
    QWeakPointer<MessageAction> message;
    QWeakPointer<SysCommandAction> sysCommand;
    QWeakPointer<SendMailAction> sendMail;
    QWeakPointer<PowerOffAction> powerOff;
    QWeakPointer<OutputSocketControlAction> outputSocket;

    explicit ActionWatch(const Event& e)
        : message(e.messageAction), sysCommand(e.sysCommandAction), sendMail(e.sendMailAction),
          powerOff(e.powerOffAction), outputSocket(e.outputSocketAction)
    {
    }
    bool allFreed() const
    {
        return message.isNull() && sysCommand.isNull() && sendMail.isNull() && powerOff.isNull() &&
               outputSocket.isNull();
    }
};

Event eventWithAllActions()
{
    Event e;
    e.event_state = QStringLiteral("on_battery");
    e.expressionIn = QStringLiteral("stateNormal,ON,==,");
    e.event_number = 4;
    e.event_parentId = 2;
    e.messageAction = QSharedPointer<MessageAction>::create();
    e.messageAction->message_text = QStringLiteral("Praca rezerwowa");
    e.sysCommandAction = QSharedPointer<SysCommandAction>::create();
    e.sysCommandAction->command_line = QStringLiteral("shutdown.cmd");
    e.sysCommandAction->delay_time = 30;
    e.sendMailAction = QSharedPointer<SendMailAction>::create();
    e.sendMailAction->receipent = QStringLiteral("admin@example.org");
    e.powerOffAction = QSharedPointer<PowerOffAction>::create();
    e.powerOffAction->stanbyUps = true;
    e.outputSocketAction = QSharedPointer<OutputSocketControlAction>::create();
    e.outputSocketAction->second_sock_delay = 7;
    return e;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void upsDefaults()
    {
        const Ups ups;
        QVERIFY(ups.ups_shutdown_supported);
        QVERIFY(!ups.parallel_unit);
        QVERIFY(!ups.power_compensation);
        QVERIFY(!ups.output_socket1);
        QVERIFY(!ups.output_socket2);
        QVERIFY(!ups.reset_events_request);
        QVERIFY(ups.id.isEmpty());
        QVERIFY(ups.model_name.isEmpty());
        QVERIFY(ups.phy_ids.isEmpty());
        QVERIFY(ups.unit_address.isEmpty());
        QVERIFY(ups.user_defined_name.isEmpty());
    }

    void statusDefaults()
    {
        const currentDeviceStatus status;
        QCOMPARE(status.id, -1);
        QVERIFY(status.ups_shutdown_supported);
        QVERIFY(!status.connected);
        QVERIFY(!status.parallel_unit);
        QVERIFY(!status.master);
        QVERIFY(!status.power_compensation);
        QVERIFY(!status.output_socket1);
        QVERIFY(!status.output_socket2);
        QVERIFY(status.status.empty());
        QVERIFY(status.unit_address.empty());
    }

    void otherDefaults()
    {
        QCOMPARE(Computer().computer_configId, -1);
        QVERIFY(!SerialPort().is_port_free);
        QVERIFY(!SmtpConfig().authentication);
        const ApplicationConfiguration app;
        QVERIFY(app.orvendesk_path.isEmpty());
        QVERIFY(!app.run_on_boot);
        QVERIFY(!app.smtp.authentication);

        const Event e;
        QCOMPARE(e.event_number, 0);
        QCOMPARE(e.event_parentId, 0);
        QVERIFY(e.messageAction.isNull());
        QVERIFY(e.sysCommandAction.isNull());
        QVERIFY(e.sendMailAction.isNull());
        QVERIFY(e.powerOffAction.isNull());
        QVERIFY(e.outputSocketAction.isNull());
    }

    void smtpSecurityNamesAreBuiltOnce()
    {
        QCOMPARE(Luminorix::Utils::smtpSecurityNames(),
                 QStringList({QStringLiteral("none"), QStringLiteral("tls"), QStringLiteral("ssl")}));
        QCOMPARE(&Luminorix::Utils::smtpSecurityNames(), &Luminorix::Utils::smtpSecurityNames());
    }

    // The copy must keep working after the event it came from is gone, and the
    // actions must go with the last copy.
    void eventCopyOutlivesSource()
    {
        auto* source = new Event(eventWithAllActions());
        const ActionWatch watch(*source);
        auto* copy = new Event(*source);
        delete source;

        QCOMPARE(copy->event_state, QStringLiteral("on_battery"));
        QCOMPARE(copy->event_number, 4);
        QCOMPARE(copy->event_parentId, 2);
        QCOMPARE(copy->messageAction->message_text, QStringLiteral("Praca rezerwowa"));
        QCOMPARE(copy->sysCommandAction->command_line, QStringLiteral("shutdown.cmd"));
        QCOMPARE(copy->sysCommandAction->delay_time, 30);
        QCOMPARE(copy->sendMailAction->receipent, QStringLiteral("admin@example.org"));
        QVERIFY(copy->powerOffAction->stanbyUps);
        QCOMPARE(copy->outputSocketAction->second_sock_delay, 7);
        QVERIFY(!watch.allFreed());

        delete copy;
        QVERIFY(watch.allFreed());
    }

    void copiesShareActions()
    {
        Event first = eventWithAllActions();
        Event second;
        second = first;
        QCOMPARE(second.messageAction.data(), first.messageAction.data());
        QCOMPARE(second.outputSocketAction.data(), first.outputSocketAction.data());

        // An edit through one copy is seen through the other: there is one action.
        second.messageAction->message_text = QStringLiteral("changed");
        QCOMPARE(first.messageAction->message_text, QStringLiteral("changed"));
    }

    // A writer that is done with an action only drops its own reference.
    void resetByOneCopyKeepsTheOther()
    {
        Event first = eventWithAllActions();
        const ActionWatch watch(first);
        {
            Event second = first;
            second.messageAction.reset();
            second.powerOffAction.reset();
            QVERIFY(second.messageAction.isNull());
            QCOMPARE(first.messageAction->message_text, QStringLiteral("Praca rezerwowa"));
            QVERIFY(first.powerOffAction->stanbyUps);
        }
        QVERIFY(!watch.message.isNull());
        first = Event();
        QVERIFY(watch.allFreed());
    }

    void namesRegistered_data()
    {
        QTest::addColumn<QByteArray>("name");
        for (const char* name :
             {"QVector<Luminorix::Utils::Ups>", "QList<Luminorix::Utils::Ups>",
              "QVector<Luminorix::Utils::currentDeviceStatus>", "QList<Luminorix::Utils::SerialPort>",
              "Luminorix::Utils::SmtpConfig", "Luminorix::Utils::ApplicationConfiguration", "QVector<Event>",
              "QVector<Group>", "QVector<Computer>"})
            QTest::newRow(name) << QByteArray(name);
    }

    void namesRegistered()
    {
        QFETCH(QByteArray, name);
        registerCommonMetaTypes();
        registerCommonMetaTypes();
        const int id = QMetaType::type(name.constData());
        QVERIFY(id != QMetaType::UnknownType);
        QCOMPARE(QByteArray(QMetaType::typeName(id)), name);
    }

    void recordsCrossQueuedConnections()
    {
        registerCommonMetaTypes();
        RecordSender sender;
        RecordReceiver receiver;
        QVERIFY(connect(&sender, SIGNAL(eventsReady(QVector<Event>)), &receiver,
                        SLOT(takeEvents(QVector<Event>)), Qt::QueuedConnection));
        QVERIFY(connect(&sender, SIGNAL(smtpReady(Luminorix::Utils::SmtpConfig)), &receiver,
                        SLOT(takeSmtp(Luminorix::Utils::SmtpConfig)), Qt::QueuedConnection));

        QWeakPointer<MessageAction> message;
        {
            QVector<Event> events{eventWithAllActions()};
            message = events.first().messageAction;
            emit sender.eventsReady(events);
        }
        SmtpConfig smtp;
        smtp.security_type = Luminorix::Utils::smtpSecurityNames().at(1);
        smtp.port = 587;
        emit sender.smtpReady(smtp);

        QTRY_COMPARE(receiver.calls, 2);
        QCOMPARE(receiver.events.size(), 1);
        QCOMPARE(receiver.events.first().messageAction->message_text, QStringLiteral("Praca rezerwowa"));
        QCOMPARE(receiver.smtp.security_type, QStringLiteral("tls"));
        QCOMPARE(receiver.smtp.port, 587);

        receiver.events.clear();
        QVERIFY(message.isNull());
    }

    // Including a record's header is enough to carry it in a QVariant.
    void recordsFitInVariants()
    {
        Ups ups;
        ups.phy_ids = QStringList{QStringLiteral("7"), QStringLiteral("9")};
        const QVariant v = QVariant::fromValue(QList<Ups>{ups});
        QCOMPARE(v.value<QList<Ups>>().first().phy_ids, ups.phy_ids);

        Group group;
        group.computers = {3, 1};
        const QVariant g = QVariant::fromValue(QVector<Group>{group});
        QCOMPARE(g.value<QVector<Group>>().first().computers, QVector<int>({3, 1}));
    }
};

LX_TEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
