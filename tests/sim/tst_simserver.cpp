// The stand-in on its own, driven by a bare client over loopback.
#include "cipher/cipherwrappers.h"
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"
#include "programversion.h"
#include "simtestclient.h"
#include "tests/support/lxtestcore.h"
#include "tools/sim/cipherforge.h"
#include "tools/sim/faultplan.h"
#include "tools/sim/framecodec.h"
#include "tools/sim/framereader.h"
#include "tools/sim/replybuilder.h"
#include "tools/sim/simserver.h"
#include "tools/sim/simworld.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QXmlStreamReader>
#include <memory>

using namespace LxSim;

Q_DECLARE_METATYPE(LxSim::Fault)

namespace {
// Every frame in `bytes`, deciphered; the reader's state after the last one.
QStringList decodeFrames(const QByteArray& bytes, FrameReader::Status* last)
{
    FrameReader reader;
    reader.append(bytes);
    QStringList texts;
    QByteArray cipherText;
    FrameReader::Status status;
    while ((status = reader.next(&cipherText)) == FrameReader::Status::Frame)
        texts.append(decryptMessage(cipherText));
    *last = status;
    return texts;
}

// The panel's reading steps for a parameter map: a key wherever
// readNextStartElement stops, the value from the single token after it.
QMap<QString, QString> readStepping(const QByteArray& text)
{
    QMap<QString, QString> map;
    QXmlStreamReader r(text);
    r.readNext();
    r.readNext(); // on the root
    while (!r.atEnd()) {
        r.readNextStartElement();
        const QString key = r.name().toString();
        r.readNext();
        const QString value = r.text().toString();
        if (!value.isEmpty())
            map.insert(key, value);
    }
    return map;
}

// A reader that takes each child of the root whole.
QMap<QString, QString> readWhole(const QByteArray& text)
{
    QMap<QString, QString> map;
    QXmlStreamReader r(text);
    r.readNextStartElement(); // the root
    while (r.readNextStartElement()) {
        const QString key = r.name().toString();
        map.insert(key, r.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return map;
}

bool firstTokenIsError(const QString& text)
{
    QXmlStreamReader reader(text);
    reader.readNext(); // the start of the document
    reader.readNext();
    return reader.hasError();
}
} // namespace

class TestSimServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupAnswers_data();
    void startupAnswers();
    void logsRequests_data();
    void logsRequests();
    void scriptReplacesDefaultUntilCleared();
    void scriptOnceAnswersOneRequest();
    void emptyScriptSilences();
    void delayedReplyLetsLaterOnesPass();
    void failedRequestIsRefusedInItsForm_data();
    void failedRequestIsRefusedInItsForm();
    void delayedRequestLetsLaterOnesPass_data();
    void delayedRequestLetsLaterOnesPass();
    void pushReachesEveryClient();
    void frozenServiceHoldsEverythingUntilThawed();
    void trickledReplyGrowsByteByByte();
    void statusChurnChangesThatManyDevices_data();
    void statusChurnChangesThatManyDevices();
    void requestSplitOrJoinedByClient();
    void oversizeFrameFromClientDropsIt();
    void undecipherableFrameIsSkipped();
    void stopAndRestart();

    void faultPlans_data();
    void faultPlans();
    void damagedZlibPassesChecksum();
    void wrongKeyIsAnotherKey();
    void forgedTextMatchesCipher();
    void parameterMapSuitsBothReaders_data();
    void parameterMapSuitsBothReaders();

private:
    std::unique_ptr<SimServer> server;
    std::unique_ptr<SimWorld> world;
    std::unique_ptr<SimTestClient> client;
};

void TestSimServer::init()
{
    server = std::make_unique<SimServer>();
    world = std::make_unique<SimWorld>();
    world->loadDemo();
    world->install(server->responder());
    QVERIFY(server->listen(QHostAddress::LocalHost, 0));
    client = std::make_unique<SimTestClient>();
    QVERIFY(client->connectTo(server->port()));
    QTRY_COMPARE(server->clientCount(), 1);
}

void TestSimServer::cleanup()
{
    client.reset();
    server.reset();
    world.reset();
}

void TestSimServer::startupAnswers_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("reply");

    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash("Quillmarberon", QCryptographicHash::Md5).toHex());
    QTest::newRow("version") << "get_service_version"
                             << QStringLiteral("<service_version>%1</service_version>").arg(programVersion);
    QTest::newRow("debugging") << "get_debugging_status"
                               << "<debugging_disabled></debugging_disabled>";
    QTest::newRow("timers") << "get_shutdown_timers"
                            << "<show_countdown></show_countdown>";
    QTest::newRow("vc enabled") << "get_virtualization_center_enabled"
                                << "<virtualization_center_enabled></virtualization_center_enabled>";
    QTest::newRow("vc version") << "get_virtualization_center_version"
                                << "<virtualization_center_version>1</virtualization_center_version>";
    QTest::newRow("vc host management") << "get_virtualization_center_host_management"
                                        << "<virtualization_center_host_management><is_managed_from_internal_"
                                           "vm>0</is_managed_from_internal_vm>"
                                           "<host_type>-1</host_type><host_id>-1</host_id><vm_id>-1</vm_id>"
                                           "<shutdown_ups_with_master_vm>0</shutdown_ups_with_master_vm></"
                                           "virtualization_center_host_management>";
    QTest::newRow("vc action list")
        << "get_virtualization_center_action_list"
        << "<virtualization_center_action_list><action_parameters><action_id>1</action_id>"
           "<name>Power off host A</name><action_type>power_off</action_type>"
           "<apply_to_all_running_vm>0</apply_to_all_running_vm>"
           "<power_off_selected_hosts_after_vm_shutdown>1</power_off_selected_hosts_after_vm_shutdown>"
           "<selected_items><host_type>1</host_type><host_id>1</host_id><vm_ids><vm_id>-1</vm_id></vm_ids>"
           "</selected_items></action_parameters><action_parameters><action_id>2</action_id>"
           "<name>Suspend the file server</name><action_type>suspend</action_type>"
           "<apply_to_all_running_vm>0</apply_to_all_running_vm>"
           "<power_off_selected_hosts_after_vm_shutdown>0</power_off_selected_hosts_after_vm_shutdown>"
           "<selected_items><host_type>1</host_type><host_id>2</host_id><vm_ids><vm_id>5</vm_id></vm_ids>"
           "</selected_items></action_parameters></virtualization_center_action_list>";
    // The panel takes is_port_free only straight after its com_port.
    QTest::newRow("ports") << "get_available_ports"
                           << "<available_ports><com_port>COM1</com_port><is_port_free>1</is_port_free>"
                              "<com_port>COM2</com_port><is_port_free>1</is_port_free>"
                              "<com_port>COM3</com_port><is_port_free>0</is_port_free>"
                              "<com_port>COM4</com_port><is_port_free>1</is_port_free></available_ports>";
    QTest::newRow("password digest") << "get_password"
                                     << "<get_password>" + digest + "</get_password>";
}

void TestSimServer::startupAnswers()
{
    QFETCH(QString, request);
    QFETCH(QString, reply);
    client->sendCommand(request);
    QTRY_COMPARE(client->replies.size(), 1);
    QCOMPARE(client->replies.first(), reply);
}

void TestSimServer::logsRequests_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("wellFormed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hasPass");
    QTest::addColumn<QString>("pass");
    QTest::addColumn<QStringList>("children"); // name=text, in order
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("<get_ups_configuration><pass>d41d</pass></get_ups_configuration>")
                           << true << "get_ups_configuration" << true << "d41d" << QStringList() << "";
    QTest::newRow("map form") << QByteArray(
                                     "<get_ups_logs><pass></pass><age>newer</age>\n<type>messages</type>\n"
                                     "</get_ups_logs>")
                              << true << "get_ups_logs" << true << ""
                              << QStringList{"age=newer", "type=messages"} << "";
    QTest::newRow("record with members")
        << QByteArray("<change_ups><pass>p</pass><model_name>Virtual_Device</model_name><id>4</id>"
                      "<phy_id>2</phy_id><phy_id>3</phy_id></change_ups>")
        << true << "change_ups" << true << "p"
        << QStringList{"model_name=Virtual_Device", "id=4", "phy_id=2", "phy_id=3"} << "";
    QTest::newRow("bare text") << QByteArray("<set_virtualization_center_enabled><pass></pass>0"
                                             "</set_virtualization_center_enabled>")
                               << true << "set_virtualization_center_enabled" << true << "" << QStringList()
                               << "0";
    QTest::newRow("nested text") << QByteArray("<groups><pass></pass><ups_id>1</ups_id><group><group_name>A"
                                               "</group_name>\n</group></groups>")
                                 << true << "groups" << true << "" << QStringList{"ups_id=1", "group=A\n"}
                                 << "";
    QTest::newRow("pass not first") << QByteArray("<remove_ups><id>1</id><pass>x</pass></remove_ups>") << true
                                    << "remove_ups" << false << "" << QStringList{"id=1", "pass=x"} << "";
    // An unescaped value the panel does not guard against.
    QTest::newRow("markup in value") << QByteArray("<change_password><pass></pass><new_password>a<b"
                                                   "</new_password>\n</change_password>")
                                     << false << "change_password" << true << "" << QStringList() << "";
}

void TestSimServer::logsRequests()
{
    QFETCH(QByteArray, raw);
    QFETCH(bool, wellFormed);
    QFETCH(QString, name);
    QFETCH(bool, hasPass);
    QFETCH(QString, pass);
    QFETCH(QStringList, children);
    QFETCH(QString, text);

    QSignalSpy received(server.get(), &SimServer::requestReceived);
    client->send(raw);
    QTRY_COMPARE(server->requests().size(), 1);
    QCOMPARE(received.size(), 1);

    const SimRequest request = server->requests().first();
    QCOMPARE(request.raw, QString::fromUtf8(raw));
    QCOMPARE(request.wellFormed, wellFormed);
    QCOMPARE(request.connection, 1);
    if (!wellFormed) {
        QVERIFY(!request.error.isEmpty());
        return;
    }
    QCOMPARE(request.name, name);
    QCOMPARE(request.hasPass, hasPass);
    QCOMPARE(request.pass, pass);
    QStringList got;
    for (const SimRequest::Child& c : request.children)
        got << c.name + "=" + c.text;
    QCOMPARE(got, children);
    QCOMPARE(request.text, text);
}

void TestSimServer::scriptReplacesDefaultUntilCleared()
{
    server->responder().script("get_service_version", {"<service_version>9.9</service_version>", "<x></x>"});
    client->sendCommand("get_service_version");
    client->sendCommand("get_service_version");
    QTRY_COMPARE(client->replies.size(), 4);
    QCOMPARE(client->replies, (QStringList{"<service_version>9.9</service_version>", "<x></x>",
                                           "<service_version>9.9</service_version>", "<x></x>"}));

    server->responder().clearScript("get_service_version");
    client->sendCommand("get_service_version");
    QTRY_COMPARE(client->replies.size(), 5);
    QCOMPARE(client->replies.last(),
             QStringLiteral("<service_version>%1</service_version>").arg(programVersion));
}

void TestSimServer::scriptOnceAnswersOneRequest()
{
    server->responder().scriptOnce("get_password", {"<get_password>first</get_password>"});
    server->responder().scriptOnce("get_password", {"<get_password>second</get_password>"});
    for (int i = 0; i < 3; ++i)
        client->sendCommand("get_password");
    QTRY_COMPARE(client->replies.size(), 3);
    QCOMPARE(client->replies[0], QString("<get_password>first</get_password>"));
    QCOMPARE(client->replies[1], QString("<get_password>second</get_password>"));
    QCOMPARE(client->replies[2], "<get_password>" + world->adminDigest() + "</get_password>");
}

void TestSimServer::emptyScriptSilences()
{
    server->responder().script("get_service_version", {});
    client->sendCommand("get_service_version");
    client->sendCommand("get_debugging_status");
    QTRY_COMPARE(client->replies.size(), 1);
    QCOMPARE(client->replies.first(), QString("<debugging_disabled></debugging_disabled>"));
    QCOMPARE(server->requestNames(), (QStringList{"get_service_version", "get_debugging_status"}));
}

void TestSimServer::delayedReplyLetsLaterOnesPass()
{
    server->responder().script("get_service_version", {SimReply("<late></late>", 300)});
    client->sendCommand("get_service_version");
    client->sendCommand("get_debugging_status");
    QTRY_COMPARE(client->replies.size(), 2);
    QCOMPARE(client->replies, (QStringList{"<debugging_disabled></debugging_disabled>", "<late></late>"}));
}

void TestSimServer::failedRequestIsRefusedInItsForm_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("refusal"); // what the refusing reply holds; empty: there is none
    QTest::addColumn<QString>("answer");  // how the reply starts once the failure is cleared

    QTest::newRow("administrator: remove_ups") << "remove_ups" << QByteArray("<id>5</id>") << ""
                                               << "<ups_model_list>";
    QTest::newRow("administrator: change_password")
        << "change_password" << QByteArray("<new_password>other</new_password>") << ""
        << "<admin_password_changed>";
    QTest::newRow("plain: get_ups_device_state") << "get_ups_device_state" << QByteArray() << ""
                                                 << "<ups_device_state";
    QTest::newRow("error result: action run")
        << "set_virtualization_center_action_run" << QByteArray("<ids><id>1</id></ids>")
        << "<error_str>Host locked</error_str>"
        << "<virtualization_center_action_run_result>";
}

void TestSimServer::failedRequestIsRefusedInItsForm()
{
    QFETCH(QString, request);
    QFETCH(QByteArray, payload);
    QFETCH(QString, refusal);
    QFETCH(QString, answer);

    world->failRequest(request, QStringLiteral("Host locked"));
    const QString digest = world->adminDigest();
    const int devices = world->devices().size();
    client->sendPayload(request, payload, digest);
    client->sendCommand("get_debugging_status"); // answered after the refusal, if any
    const int expected = refusal.isEmpty() ? 1 : 2;
    QTRY_COMPARE(client->replies.size(), expected);
    QCOMPARE(client->replies.last(), QString("<debugging_disabled></debugging_disabled>"));
    if (!refusal.isEmpty())
        QVERIFY2(client->replies.first().contains(refusal), qPrintable(client->replies.first()));
    // A refusal changes nothing.
    QCOMPARE(world->adminDigest(), digest);
    QCOMPARE(world->devices().size(), devices);

    world->failRequest(request, QString());
    client->replies.clear();
    client->sendPayload(request, payload, digest);
    QTRY_COMPARE(client->replies.size(), 1);
    QVERIFY2(client->replies.first().startsWith(answer), qPrintable(client->replies.first()));
    QVERIFY(!client->replies.first().contains(QLatin1String("Host locked")));
}

void TestSimServer::delayedRequestLetsLaterOnesPass_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("device state") << "get_ups_device_state" << QByteArray();
    QTest::newRow("administrator request")
        << "change_password" << QByteArray("<new_password>x</new_password>");
    QTest::newRow("centre request") << "get_virtualization_center_host_list" << QByteArray();
    QTest::newRow("one of several replies") << "get_network_configuration" << QByteArray("<id>1</id>");
}

void TestSimServer::delayedRequestLetsLaterOnesPass()
{
    QFETCH(QString, request);
    QFETCH(QByteArray, payload);
    world->delayRequest(request, 1500);
    client->sendPayload(request, payload);
    client->sendCommand("get_debugging_status");
    QTRY_VERIFY(!client->replies.isEmpty());
    QCOMPARE(client->replies.first(), QString("<debugging_disabled></debugging_disabled>"));
    QTRY_VERIFY_WITH_TIMEOUT(client->replies.size() >= 2, 20000);
    QVERIFY2(client->replies.at(1).startsWith("<"), qPrintable(client->replies.at(1)));

    // Undelayed, every reply to the request comes before the status; a second
    // status fences off the replies, some requests having several.
    const QString status = QStringLiteral("<debugging_disabled></debugging_disabled>");
    world->delayRequest(request, 0);
    client->replies.clear();
    client->sendPayload(request, payload);
    client->sendCommand("get_debugging_status");
    client->sendCommand("get_debugging_status");
    QTRY_COMPARE(client->replies.count(status), 2);
    QVERIFY(client->replies.indexOf(status) > 0);
    QCOMPARE(client->replies.indexOf(status), client->replies.size() - 2);
}

void TestSimServer::pushReachesEveryClient()
{
    SimTestClient second;
    QVERIFY(second.connectTo(server->port()));
    QTRY_COMPARE(server->clientCount(), 2);
    server->push(ReplyBuilder::daemonBusy(true));
    QTRY_COMPARE(client->replies.size(), 1);
    QTRY_COMPARE(second.replies.size(), 1);
    QCOMPARE(client->replies.first(), QString("<daemon_is_busy></daemon_is_busy>"));
    QCOMPARE(second.replies.first(), QString("<daemon_is_busy></daemon_is_busy>"));
}

void TestSimServer::frozenServiceHoldsEverythingUntilThawed()
{
    server->freeze();
    client->sendCommand("get_service_version");
    server->push(ReplyBuilder::daemonBusy(true));
    SimTestClient late;
    QVERIFY(late.connectTo(server->port())); // the backlog takes it
    // Silence cannot be waited for: give a live service ample time to answer.
    QTest::qWait(300);
    QVERIFY(client->replies.isEmpty());
    QCOMPARE(client->pendingBytes(), 0);
    QVERIFY(server->requests().isEmpty());
    QCOMPARE(server->clientCount(), 1);
    QCOMPARE(client->socket.state(), QAbstractSocket::ConnectedState);

    server->unfreeze();
    QTRY_COMPARE(client->replies.size(), 2);
    QCOMPARE(client->replies.first(), QString("<daemon_is_busy></daemon_is_busy>"));
    QCOMPARE(client->replies.last(),
             QStringLiteral("<service_version>%1</service_version>").arg(programVersion));
    QTRY_COMPARE(server->clientCount(), 2);
    late.sendCommand("get_debugging_status");
    QTRY_COMPARE(late.replies.size(), 1);
}

void TestSimServer::trickledReplyGrowsByteByByte()
{
    const QByteArray expected =
        QStringLiteral("<service_version>%1</service_version>").arg(programVersion).toUtf8();
    server->trickleNextReply(5);
    client->sendCommand("get_service_version");
    client->sendCommand("get_debugging_status"); // waits behind the trickling frame
    QTRY_VERIFY(client->pendingBytes() > FrameCodec::headerSize);
    const int seen = client->pendingBytes();
    QTRY_VERIFY(client->pendingBytes() > seen);
    // All but the last byte, and there it stays.
    const int frameSize = FrameCodec::encode(expected).size();
    QTRY_COMPARE(client->pendingBytes(), frameSize - 1);
    QVERIFY(client->replies.isEmpty());

    server->unfreeze();
    QTRY_COMPARE(client->replies.size(), 2);
    QCOMPARE(client->replies,
             (QStringList{QString::fromUtf8(expected), "<debugging_disabled></debugging_disabled>"}));
    // Only the next reply trickles.
    client->sendCommand("get_service_version");
    QTRY_COMPARE(client->replies.size(), 3);
}

void TestSimServer::statusChurnChangesThatManyDevices_data()
{
    QTest::addColumn<int>("churn");
    QTest::addColumn<int>("changed");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("several") << 4 << 4;
    QTest::newRow("more than there are devices") << 50 << 6;
}

void TestSimServer::statusChurnChangesThatManyDevices()
{
    QFETCH(int, churn);
    QFETCH(int, changed);
    static const QRegularExpression statusOf(QStringLiteral("<id>(\\d+)</id><status>(\\w+)</status>"));
    const auto poll = [this] {
        client->sendCommand("get_ups_current_status_list");
        const int before = client->replies.size();
        [&] { QTRY_COMPARE(client->replies.size(), before + 1); }();
        QMap<QString, QString> statuses;
        for (auto it = statusOf.globalMatch(client->replies.last()); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            statuses.insert(m.captured(1), m.captured(2));
        }
        return statuses;
    };
    world->setStatusChurn(churn);
    QMap<QString, QString> last = poll();
    QCOMPARE(last.size(), 6);
    // Poll after poll, so the turn moves on and wraps round the device list.
    for (int round = 0; round < 3; ++round) {
        const QMap<QString, QString> now = poll();
        QCOMPARE(now.size(), 6);
        int differing = 0;
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            differing += it.value() != last.value(it.key()) ? 1 : 0;
        QCOMPARE(differing, changed);
        last = now;
    }
}

void TestSimServer::requestSplitOrJoinedByClient()
{
    const QByteArray frame = FrameCodec::encode("<get_service_version><pass></pass></get_service_version>");
    for (char byte : frame) {
        client->sendRaw(QByteArray(1, byte));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(server->requests().size(), 1);

    client->sendRaw(FrameCodec::encode("<get_debugging_status><pass></pass></get_debugging_status>") +
                    FrameCodec::encode("<get_shutdown_timers><pass></pass></get_shutdown_timers>"));
    QTRY_COMPARE(server->requests().size(), 3);
    QCOMPARE(server->requestNames(),
             (QStringList{"get_service_version", "get_debugging_status", "get_shutdown_timers"}));
    QTRY_COMPARE(client->replies.size(), 3);
}

void TestSimServer::oversizeFrameFromClientDropsIt()
{
    QSignalSpy bad(server.get(), &SimServer::badFrame);
    QSignalSpy gone(server.get(), &SimServer::clientDisconnected);
    client->sendRaw(FrameCodec::header(FrameReader::maxFrameLength + 1) + QByteArray(16, 'x'));
    QTRY_COMPARE(gone.size(), 1);
    QCOMPARE(bad.size(), 1);
    QCOMPARE(server->clientCount(), 0);
    QTRY_COMPARE(client->socket.state(), QAbstractSocket::UnconnectedState);
}

void TestSimServer::undecipherableFrameIsSkipped()
{
    QSignalSpy bad(server.get(), &SimServer::badFrame);
    client->sendRaw(FrameCodec::frame("\x03\x02garbage"));
    client->sendCommand("get_service_version");
    QTRY_COMPARE(client->replies.size(), 1);
    QCOMPARE(bad.size(), 1);
    QCOMPARE(server->requestNames(), QStringList{"get_service_version"});
}

void TestSimServer::stopAndRestart()
{
    const quint16 port = server->port();
    server->stop();
    QVERIFY(!server->isListening());
    QTRY_COMPARE(client->socket.state(), QAbstractSocket::UnconnectedState);

    SimTestClient refused;
    QVERIFY(!refused.connectTo(port));

    QVERIFY(server->restart());
    QCOMPARE(server->port(), port);
    SimTestClient again;
    QVERIFY(again.connectTo(port));
    again.sendCommand("get_service_version");
    QTRY_COMPARE(again.replies.size(), 1);
}

void TestSimServer::faultPlans_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("frames"); // deciphered; "" where a frame does not decipher
    QTest::addColumn<int>("last");           // FrameReader::Status after the frames
    QTest::addColumn<bool>("split");         // one chunk per byte
    QTest::addColumn<bool>("closeAfter");
    QTest::addColumn<bool>("xmlBroken"); // the first frame's text fails at its first token

    const QString reply = "<show_message><message>hello</message></show_message>";
    const int needMore = int(FrameReader::Status::NeedMore);
    const int tooLong = int(FrameReader::Status::TooLong);
    QTest::newRow("split") << Fault::SplitBytes << QStringList{reply} << needMore << true << false << false;
    QTest::newRow("two frames") << Fault::TwoFramesOneWrite << QStringList{reply, "<second></second>"}
                                << needMore << false << false << false;
    QTest::newRow("header only") << Fault::HeaderOnly << QStringList() << needMore << false << false << false;
    QTest::newRow("zero length") << Fault::ZeroLength << QStringList{"", "<second></second>"} << needMore
                                 << false << false << false;
    QTest::newRow("oversize") << Fault::OversizeLength << QStringList() << tooLong << false << false << false;
    QTest::newRow("wrong key") << Fault::WrongKey << QStringList{""} << needMore << false << false << false;
    QTest::newRow("flipped byte") << Fault::FlippedByte << QStringList{""} << needMore << false << false
                                  << false;
    QTest::newRow("damaged zlib") << Fault::DamagedZlib << QStringList{""} << needMore << false << false
                                  << false;
    QTest::newRow("malformed") << Fault::MalformedXml << QStringList{"this is <not> xml <<"} << needMore
                               << false << false << true;
    QTest::newRow("truncated") << Fault::TruncatedXml << QStringList{"<show"} << needMore << false << false
                               << true;
    QTest::newRow("unterminated") << Fault::UnterminatedXml
                                  << QStringList{"<show_message><message>hello</message>"} << needMore
                                  << false << false << false;
    QTest::newRow("close mid-frame") << Fault::CloseMidFrame << QStringList() << needMore << false << true
                                     << false;
}

void TestSimServer::faultPlans()
{
    QFETCH(Fault, fault);
    QFETCH(QStringList, frames);
    QFETCH(int, last);
    QFETCH(bool, split);
    QFETCH(bool, closeAfter);
    QFETCH(bool, xmlBroken);

    const QByteArray reply = "<show_message><message>hello</message></show_message>";
    const FaultPlan plan = FaultPlan::make(fault, reply, "<second></second>");
    QVERIFY(!plan.chunks.isEmpty());
    QCOMPARE(plan.closeAfter, closeAfter);
    QByteArray stream;
    for (const QByteArray& chunk : plan.chunks) {
        if (split)
            QCOMPARE(chunk.size(), 1);
        stream += chunk;
    }
    QCOMPARE(plan.chunks.size() > 1, split);

    FrameReader::Status status;
    QCOMPARE(decodeFrames(stream, &status), frames);
    QCOMPARE(int(status), last);
    if (xmlBroken)
        QVERIFY(firstTokenIsError(frames.first()));
    QVERIFY(!FaultPlan::name(fault).isEmpty());
}

void TestSimServer::damagedZlibPassesChecksum()
{
    const FaultPlan plan = FaultPlan::make(Fault::DamagedZlib, "<show_message></show_message>");
    FrameReader reader;
    reader.append(plan.chunks.first());
    QByteArray cipherText;
    QCOMPARE(reader.next(&cipherText), FrameReader::Status::Frame);
    QCOMPARE(quint8(cipherText[1]), quint8(CipherForge::Compressed | CipherForge::Checksum));

    // The checksum holds; only the inflation can fail.
    const QByteArray body = CipherForge().decipher(cipherText);
    const QByteArray payload = body.mid(3);
    const quint16 stored = quint16((uchar(body[1]) << 8) | uchar(body[2]));
    QCOMPARE(qChecksum(payload.constData(), uint(payload.size()), Qt::ChecksumIso3309), stored);
    QVERIFY(qUncompress(payload).isEmpty());
    QVERIFY(decryptMessage(cipherText).isEmpty());
}

void TestSimServer::wrongKeyIsAnotherKey()
{
    const QByteArray reply = "<show_message><message>hello</message></show_message>";
    const FaultPlan plan = FaultPlan::make(Fault::WrongKey, reply);
    QByteArray cipherText = plan.chunks.first().mid(FrameCodec::headerSize);
    SimpleCrypt other(~messageCipherKey());
    QCOMPARE(other.decryptToByteArray(cipherText), reply);
    QVERIFY(decryptMessage(cipherText).isEmpty());
}

void TestSimServer::forgedTextMatchesCipher()
{
    const QByteArray text = "<service_version>2.6.0</service_version>";
    const CipherForge forge;
    QCOMPARE(decryptMessage(forge.build(CipherForge::Checksum, text)), QString::fromUtf8(text));
    QCOMPARE(decryptMessage(forge.build(CipherForge::Compressed | CipherForge::Checksum, qCompress(text, 9))),
             QString::fromUtf8(text));
    QVERIFY(decryptMessage(CipherForge(~messageCipherKey()).build(CipherForge::Checksum, text)).isEmpty());

    // And the other way round: a real cipher text's body is the random byte,
    // the checksum and the payload as stored.
    const QByteArray cipherText = encryptMessage(text);
    const QByteArray body = forge.decipher(cipherText);
    QByteArray payload = body.mid(3);
    QCOMPARE(qChecksum(payload.constData(), uint(payload.size()), Qt::ChecksumIso3309),
             quint16((uchar(body[1]) << 8) | uchar(body[2])));
    if (cipherText[1] & CipherForge::Compressed)
        payload = qUncompress(payload);
    QCOMPARE(payload, text);
}

void TestSimServer::parameterMapSuitsBothReaders_data()
{
    QTest::addColumn<QString>("id");
    SimWorld demo;
    demo.loadDemo();
    for (const SimDevice& d : demo.devices())
        QTest::newRow(qPrintable(d.model_name)) << d.id;
}

void TestSimServer::parameterMapSuitsBothReaders()
{
    QFETCH(QString, id);
    const SimDevice* device = world->device(id);
    QVERIFY(device);
    QMap<QString, QString> expected;
    for (const auto& entry : device->deviceState())
        expected.insert(entry.first, entry.second);
    QVERIFY(expected.size() > 3);

    const QByteArray reply = ReplyBuilder::parameterMap("ups_configuration", device->deviceState());
    QCOMPARE(readStepping(reply), expected);
    QCOMPARE(readWhole(reply), expected);
}

LX_TEST_GUILESS_MAIN(TestSimServer)
#include "tst_simserver.moc"
