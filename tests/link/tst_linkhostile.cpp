// Whatever a broken or hostile service sends: nothing crashes, nothing is
// emitted from a broken reply, and the connection is dropped where the data
// itself is unusable.
#include "cipher/cipherwrappers.h"
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"
#include "link/framing.h"
#include "link/replybounds.h"
#include "link/upssocketcontroller.h"
#include "testframes.h"
#include "tests/support/lxtestcore.h"
#include "tests/support/servicerig.h"
#include "tests/support/signalrecorder.h"

#include <QBuffer>

using Luminorix::UpsSocketController;

namespace {
const QString kReply = QStringLiteral("<service_version>2.6.0</service_version>");

QByteArray flippedFrame()
{
    // The check sum could pass by chance (1 in 65536); take a damage it catches.
    for (int attempt = 0; attempt < 50; ++attempt) {
        QByteArray cipher = encryptMessage(kReply.toUtf8());
        cipher[cipher.size() / 2] = char(cipher[cipher.size() / 2] ^ 0x10);
        if (decryptMessage(cipher).isEmpty())
            return Luminorix::buildFrame(cipher);
    }
    return QByteArray();
}

QByteArray damagedZlibFrame()
{
    SimpleCrypt crypt(messageCipherKey());
    crypt.setCompressionMode(SimpleCrypt::CompressionNever);
    QByteArray cipher =
        crypt.encryptToByteArray(QByteArray("\x00\x00\x00\x40not a deflate stream at all", 31));
    cipher[1] = char(cipher[1] | SimpleCrypt::CryptoFlagCompression);
    return Luminorix::buildFrame(cipher);
}

QByteArray otherKeyFrame()
{
    SimpleCrypt crypt(messageCipherKey() ^ 0x5a5a5a5a00000001ULL);
    return Luminorix::buildFrame(crypt.encryptToByteArray(kReply));
}

QByteArray badVersionFrame()
{
    QByteArray cipher = encryptMessage(kReply.toUtf8());
    cipher[0] = 0x07;
    return Luminorix::buildFrame(cipher);
}

QString entityBomb()
{
    QString dtd = QStringLiteral("<!DOCTYPE r [<!ENTITY e0 \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\">");
    for (int i = 1; i < 10; ++i) {
        dtd += QStringLiteral("<!ENTITY e%1 \"").arg(i);
        for (int k = 0; k < 10; ++k)
            dtd += QStringLiteral("&e%1;").arg(i - 1);
        dtd += QStringLiteral("\">");
    }
    return dtd + QStringLiteral("]><service_version>&e9;</service_version>");
}

QString nested(const QString& open, int levels, const QString& close)
{
    return open.repeated(levels) + close.repeated(levels);
}

// A device state whose root carries `count` attributes.
QString withAttributes(int count)
{
    QString xml = QStringLiteral("<ups_device_state");
    for (int i = 0; i < count; ++i)
        xml += QStringLiteral(" a%1=\"1\"").arg(i);
    return xml + QStringLiteral("><input_voltage>230</input_voltage></ups_device_state>");
}
} // namespace

class TestLinkHostile : public QObject
{
    Q_OBJECT

private slots:
    void receive_data();
    void receive();
    void bufferSeamSurvivesTheSameInputs_data() { receive_data(); }
    void bufferSeamSurvivesTheSameInputs();
    void bounds_data();
    void bounds();
};

void TestLinkHostile::receive_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<QStringList>("fired"); // besides the follow-up reply

    const QStringList none;
    QTest::newRow("length above the bound")
        << Luminorix::encodeFrameLength(quint32(Luminorix::kMaxFrameLength + 1)) + QByteArray(64, 'x') << true
        << none;
    QTest::newRow("length 0xffffffff") << QByteArray(4, '\xff') + QByteArray(8, 'x') << true << none;
    QTest::newRow("other key") << otherKeyFrame() << true << none;
    QTest::newRow("flipped byte") << flippedFrame() << true << none;
    QTest::newRow("damaged deflate stream") << damagedZlibFrame() << true << none;
    QTest::newRow("unknown cipher version") << badVersionFrame() << true << none;
    QTest::newRow("empty text") << frameOf(QString()) << true << none;
    QTest::newRow("zero length") << Luminorix::encodeFrameLength(0) + QByteArray("z") << true << none;
    QTest::newRow("not xml") << frameOf(QStringLiteral("hello")) << true << none;
    QTest::newRow("broken first tag") << frameOf(QStringLiteral("<service_version")) << true << none;
    QTest::newRow("stray end tag") << frameOf(QStringLiteral("</groups>")) << true << none;

    // Broken later on: the connection stays; the four stored lists are not
    // emitted unless whole, other replies keep what was read.
    QTest::newRow("groups cut off")
        << frameOf(QStringLiteral(
               "<groups><group><group_name>a</group_name><group_configId>1</group_configId></group><group>"))
        << false << none;
    QTest::newRow("groups with a broken tag")
        << frameOf(QStringLiteral(
               "<groups><group><group_name>a</group_name></group><group><x></y></group></groups>"))
        << false << none;
    QTest::newRow("events cut off after an action")
        << frameOf(QStringLiteral("<events><event><event_state>s</event_state><message_action><message_text>m"
                                  "</message_text></message_action></event><event><sendmail_action><body>b"))
        << false << none;
    QTest::newRow("all_computers cut off")
        << frameOf(QStringLiteral("<all_computers><computer><computer_name>a</computer_name></computer>"))
        << false << none;
    QTest::newRow("application_configuration cut off")
        << frameOf(QStringLiteral("<application_configuration><smtp2_server>s</smtp2_server>")) << false
        << none;
    QTest::newRow("groups whole, junk after") << frameOf(QStringLiteral("<groups></groups><junk/>")) << false
                                              << QStringList{QStringLiteral("groupReceived:1")};
    QTest::newRow("device state cut off") << frameOf(QStringLiteral("<ups_device_state><a>1</a><b>")) << false
                                          << QStringList{QStringLiteral("upsDeviceState:1")};
    QTest::newRow("available_ports cut off")
        << frameOf(QStringLiteral("<available_ports><com_port>COM1</com_port>")) << false
        << QStringList{QStringLiteral("availablePortsReceived:1")};
    QTest::newRow("action list with an unclosed action")
        << frameOf(QStringLiteral("<virtualization_center_action_list><action_parameters><name>a</name>"
                                  "</action_parameters><action_parameters><name>b</name>"))
        << false << QStringList{QStringLiteral("virtualizationCenterActionListReceived:1")};
    // Beyond the bounds no reader runs, whatever the root.
    QTest::newRow("entity expansion bomb") << frameOf(entityBomb()) << true << none;
    QTest::newRow("deep nesting, unclosed")
        << frameOf(QStringLiteral("<groups>").repeated(20000)) << true << none;
    QTest::newRow("device state nested 300000 deep")
        << frameOf(QStringLiteral("<ups_device_state>") + nested(QStringLiteral("<a>1"), 300000, "</a>") +
                   QStringLiteral("</ups_device_state>"))
        << true << none;
    QTest::newRow("device state one level too deep")
        << frameOf(nested(QStringLiteral("<ups_device_state>"), 1, QString()) +
                   nested(QStringLiteral("<p>1"), Luminorix::kMaxReplyDepth, QStringLiteral("</p>")) +
                   QStringLiteral("</ups_device_state>"))
        << true << none;
    QTest::newRow("device state as deep as allowed")
        << frameOf(QStringLiteral("<ups_device_state>") +
                   nested(QStringLiteral("<p>1"), Luminorix::kMaxReplyDepth - 1, QStringLiteral("</p>")) +
                   QStringLiteral("</ups_device_state>"))
        << false << QStringList{QStringLiteral("upsDeviceState:1")};
    QTest::newRow("compressed text longer than the frame bound")
        << frameOf(QStringLiteral("<service_version>") +
                   QString(int(Luminorix::kMaxFrameLength), QLatin1Char('7')) +
                   QStringLiteral("</service_version>"))
        << true << none;
    QTest::newRow("40000 attributes") << frameOf(withAttributes(40000)) << true << none;
    QTest::newRow("one attribute too many")
        << frameOf(withAttributes(Luminorix::kMaxReplyAttributes + 1)) << true << none;
    QTest::newRow("as many attributes as allowed")
        << frameOf(withAttributes(Luminorix::kMaxReplyAttributes)) << false
        << QStringList{QStringLiteral("upsDeviceState:1")};
    QTest::newRow("namespace prefixes")
        << frameOf(QStringLiteral("<service_version xmlns:p=\"u\"><p:v>1</p:v></service_version>")) << true
        << none;
    QTest::newRow("many children") << frameOf(QStringLiteral("<ups_device_state>") +
                                              QStringLiteral("<p>1</p><q>2</q>").repeated(20000) +
                                              QStringLiteral("</ups_device_state>"))
                                   << false << QStringList{QStringLiteral("upsDeviceState:1")};
    QTest::newRow("many children, stream reader")
        << frameOf(QStringLiteral("<?xml version=\"1.0\"?><ups_logs>") +
                   QStringLiteral("<log_1>a</log_1>").repeated(20000) + QStringLiteral("</ups_logs>"))
        << false << QStringList{QStringLiteral("upsLogs:1")};
}

void TestLinkHostile::bounds_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("within");
    using Luminorix::kMaxReplyAttributes;
    using Luminorix::kMaxReplyDepth;
    const QString attributes = QStringLiteral(" a=\"1\"").repeated(kMaxReplyAttributes);

    QTest::newRow("empty") << QString() << true;
    QTest::newRow("plain reply") << QStringLiteral("<a><b>1</b></a>") << true;
    QTest::newRow("declaration and comment")
        << QStringLiteral("<?xml version=\"1.0\"?><!-- <x a=\"\" b=\"\"> --><a/>") << true;
    QTest::newRow("depth at the bound") << nested("<d>", kMaxReplyDepth, "</d>") << true;
    QTest::newRow("depth over the bound") << nested("<d>", kMaxReplyDepth + 1, "</d>") << false;
    QTest::newRow("over the bound, never closed")
        << QStringLiteral("<d>").repeated(kMaxReplyDepth + 1) << false;
    QTest::newRow("empty elements do not nest")
        << QStringLiteral("<r>") + QStringLiteral("<e/>").repeated(kMaxReplyDepth * 2) +
               QStringLiteral("</r>")
        << true;
    QTest::newRow("closed elements do not nest")
        << QStringLiteral("<r>") + QStringLiteral("<e></e>").repeated(kMaxReplyDepth * 2) +
               QStringLiteral("</r>")
        << true;
    QTest::newRow("attributes at the bound") << QStringLiteral("<a%1></a>").arg(attributes) << true;
    QTest::newRow("attributes over the bound") << QStringLiteral("<a%1 z='2'></a>").arg(attributes) << false;
    QTest::newRow("over the bound on an empty element")
        << QStringLiteral("<a%1 z=\"\"/>").arg(attributes) << false;
    QTest::newRow("attributes spread over elements")
        << QStringLiteral("<a%1><b%1></b></a>").arg(attributes) << true;
    QTest::newRow("quotes and tags in text and values")
        << QStringLiteral("<a x=\"'>'\">\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"</a>") << true;
    QTest::newRow("markup in CDATA") << QStringLiteral("<a><![CDATA[") +
                                            QStringLiteral("<d x=\"\">").repeated(kMaxReplyDepth + 1) +
                                            QStringLiteral("]]></a>")
                                     << true;
    QTest::newRow("default namespace") << QStringLiteral("<a xmlns=\"u\"><b/></a>") << true;
    QTest::newRow("prefixed name") << QStringLiteral("<p:a></p:a>") << false;
    QTest::newRow("prefix declaration") << QStringLiteral("<a xmlns:p=\"u\"></a>") << false;
    QTest::newRow("colon in a value") << QStringLiteral("<a b=\"c:d\">e:f</a>") << true;
    QTest::newRow("document type") << QStringLiteral("<!DOCTYPE a><a></a>") << false;
    QTest::newRow("cut off in a value") << QStringLiteral("<a b=\"1") << true;
    QTest::newRow("cut off in a comment") << QStringLiteral("<a><!-- <b") << true;
}

// The pre-scan before any reader: what it lets through and what it refuses.
void TestLinkHostile::bounds()
{
    QFETCH(QString, xml);
    QFETCH(bool, within);
    QCOMPARE(Luminorix::withinReplyBounds(xml), within);
}

void TestLinkHostile::receive()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, dropped);
    QFETCH(QStringList, fired);
    QVERIFY(!bytes.isEmpty());

    // A stand-in that answers nothing: the test sends the bytes.
    ServiceRig rig;
    QVERIFY(rig.listen(false));
    UpsSocketController controller;
    rig.attach(controller, ServiceRig::quietTiming());
    controller.startReconnecting();
    QVERIFY(rig.waitForRequests(8));
    SignalRecorder recorder(controller);

    rig.server.pushRaw(bytes);
    if (dropped) {
        QVERIFY(rig.waitForClients(0));
        QVERIFY(controller.isReconnecting());
        QCOMPARE(recorder.fired(), fired);
        return;
    }
    // Still connected: the next reply gets through.
    QSignalSpy version(&controller, &UpsSocketController::serviceVersionReceived);
    rig.server.push(kReply.toUtf8());
    QVERIFY(QTest::qWaitFor([&] { return version.count() == 1; }));
    QStringList expected = fired;
    expected << QStringLiteral("serviceVersionReceived:1");
    QStringList actual = recorder.fired();
    expected.sort();
    actual.sort();
    QCOMPARE(actual, expected);
}

void TestLinkHostile::bufferSeamSurvivesTheSameInputs()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, dropped);
    UpsSocketController controller;
    QBuffer buffer;
    buffer.setData(bytes + frameOf(kReply));
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QSignalSpy version(&controller, &UpsSocketController::serviceVersionReceived);
    controller.readMessagesFrom(buffer);
    // Reading stops at the first bad frame, as the abort would.
    QCOMPARE(version.count(), dropped ? 0 : 1);
}

LX_TEST_GUILESS_MAIN(TestLinkHostile)
#include "tst_linkhostile.moc"
