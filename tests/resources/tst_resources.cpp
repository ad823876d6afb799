#include "tests/support/lxtest.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QStringList>

// Every resource path the programs name, with the room the widget showing it gives.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void image_data();
    void image();
    void devicePictureByIdentifier_data();
    void devicePictureByIdentifier();
    void devicePicturesAreDistinctPerFamily();
    void animation_data();
    void animation();
    void styleSheet();
    void styleSheetParses();
    void translationsPresent_data();
    void translationsPresent();
};

namespace {
// The model identifiers the service reports; pictures are found by the identifier
// without its interface suffix, in lower case.
const char* const modelIdentifiers[] = {"WrenPro_RS232",
                                        "WrenIIPro_USB",
                                        "Wren_Avr_USB",
                                        "KiteLCD_USB",
                                        "Plover_USB",
                                        "KitePro_USB",
                                        "KitePro_Rack_RS232",
                                        "KitePro_Avr_USB",
                                        "KitePro_Avr_Rack_USB",
                                        "Osprey_RS232",
                                        "Osprey_USB",
                                        "Osprey_Rack_RS232",
                                        "Osprey_HID_USB",
                                        "Osprey_HID_Rack_USB",
                                        "OspreyJ_USB",
                                        "Osprey_Rack_USB",
                                        "OspreyRT_USB",
                                        "OspreyRT_SNMP",
                                        "OspreyRT_XL_USB",
                                        "OspreyRT_XL_SNMP",
                                        "OspreyXL_USB",
                                        "OspreyXL_RS232",
                                        "OspreyXL_SNMP",
                                        "OspreyXL_Rack_USB",
                                        "OspreyXL_Rack_RS232",
                                        "OspreyXL_Rack_SNMP",
                                        "OspreyLT_RS232",
                                        "OspreyLT_USB",
                                        "OspreyLT_SNMP",
                                        "OspreyPro_RS232",
                                        "OspreyPro_USB",
                                        "OspreyPro_Rack_RS232",
                                        "OspreyPro_Rack_USB",
                                        "OspreyPro_SNMP",
                                        "OspreyPro_Rack_SNMP",
                                        "HARRIER_RT_PLUS_USB",
                                        "HARRIER_RT_PLUS_RS232",
                                        "HARRIER_RT_PLUS_SNMP",
                                        "HarrierRTPlus6_10_USB",
                                        "HarrierRTPlus6_10_RS232",
                                        "HarrierRTPlus6_10_SNMP",
                                        "Harrier_RT_PRO_1k_3k_RS232",
                                        "Harrier_RT_PRO_1k_3k_USB",
                                        "Harrier_RT_PRO_1k_3k_SNMP",
                                        "Harrier_MULTI_10k_20k_RS232",
                                        "Harrier_MULTI_10k_20k_SNMP",
                                        "Harrier_DARK_RS232",
                                        "Harrier_DARK_SNMP",
                                        "Falcon_RS232",
                                        "Falcon_USB",
                                        "Falcon_SNMP",
                                        "Harrier_Dual31_SNMP",
                                        "Harrier33_RS232",
                                        "Harrier33_USB",
                                        "Harrier33_SNMP",
                                        "Harrier33Green_RS232",
                                        "Harrier33Green_USB",
                                        "Harrier33Green_SNMP",
                                        "HarrierRT_USB",
                                        "HarrierRT_RS232",
                                        "HarrierRT_SNMP",
                                        "HarrierRT_6_10_USB",
                                        "HarrierRT_6_10_RS232",
                                        "HarrierRT_6_10_SNMP",
                                        "OspreyCondor_RS232",
                                        "OspreyCondor_USB",
                                        "OspreyCondor_SNMP",
                                        "Harrier_RS232",
                                        "Virtual_Device",
                                        "Ibis_SNMP"};

const char* const devicePictures[] = {"wrenpro",
                                      "wreniipro",
                                      "wren_avr",
                                      "kitelcd",
                                      "plover",
                                      "kitepro",
                                      "kitepro_rack",
                                      "kitepro_avr",
                                      "kitepro_avr_rack",
                                      "osprey",
                                      "osprey_rack",
                                      "osprey_hid",
                                      "osprey_hid_rack",
                                      "ospreyj",
                                      "ospreyrt",
                                      "ospreyrt_xl",
                                      "ospreyxl",
                                      "ospreyxl_rack",
                                      "ospreylt",
                                      "ospreypro",
                                      "ospreypro_rack",
                                      "harrier_rt_plus",
                                      "harrierrtplus6_10",
                                      "harrier_rt_pro_1k_3k",
                                      "harrier_multi_10k_20k",
                                      "harrier_dark",
                                      "falcon",
                                      "harrier_dual31",
                                      "harrier33",
                                      "harrier33green",
                                      "harrierrt",
                                      "harrierrt_6_10",
                                      "ospreycondor",
                                      "harrier",
                                      "virtual_device",
                                      "ibis"};

QString pictureName(QString identifier)
{
    for (const char* suffix : {"_RS232", "_SNMP", "_USB"})
        identifier.remove(QLatin1String(suffix));
    return identifier.toLower();
}

void addImage(const QString& path, QSize smallest, QSize largest)
{
    QTest::newRow(qPrintable(path)) << path << smallest << largest;
}

// Bytes of a decoded image, to tell pictures apart.
QByteArray pixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char*>(argb.constBits()), int(argb.sizeInBytes()));
}
} // namespace

void TestResources::image_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("smallest");
    QTest::addColumn<QSize>("largest");

    const QString images = QStringLiteral(":/images/images/");
    addImage(images + "appicon_32.png", QSize(32, 32), QSize(32, 32));
    addImage(images + "splashscreen.png", QSize(240, 120), QSize(800, 600));
    addImage(images + "luminorix_professional.png", QSize(120, 40), QSize(481, 200));
    addImage(images + "maker_logo.png", QSize(80, 24), QSize(481, 160));
    // The smallest logo label is 109 x 51.
    addImage(images + "maker_logo_s.png", QSize(60, 20), QSize(109, 51));
    addImage(images + "control_background.png", QSize(9, 9), QSize(200, 60));
    // Icons in 21 x 21 labels of the status strip.
    for (const char* name : {"ok.png", "4e2.png", "srv_wrn.png", "unknown.png", "time.png"})
        addImage(images + name, QSize(12, 12), QSize(21, 21));
    addImage(images + "small_help.png", QSize(12, 12), QSize(19, 19));
    addImage(images + "help_blue.png", QSize(16, 16), QSize(25, 25));
    for (const char* name : {"info.png", "shutdown_sml.png", "warning.png", "warning2.png"})
        addImage(images + name, QSize(12, 12), QSize(32, 32));
    addImage(images + "status_ok_48.png", QSize(48, 48), QSize(48, 48));
    addImage(images + "status_err_48.png", QSize(48, 48), QSize(48, 48));

    const QString indicators = QStringLiteral(":/indicators/images/indicators/");
    for (const char* colour : {"grey", "green", "yellow", "red", "orange"}) {
        addImage(indicators + colour + ".png", QSize(12, 12), QSize(24, 24));
        addImage(indicators + colour + "_m.png", QSize(12, 12), QSize(24, 24));
    }
    addImage(indicators + "unknown.png", QSize(12, 12), QSize(24, 24));

    // The picture label is 200 x 200.
    for (const char* name : devicePictures)
        addImage(QStringLiteral(":/devices/images/devices/%1.png").arg(QLatin1String(name)), QSize(100, 100),
                 QSize(200, 200));

    // The heading row above the events is at most 50 pixels high.
    for (const char* name :
         {"showmessage.png", "systemcommand.png", "sendmail.png", "powerOff.png", "outputsocket.png"})
        addImage(QStringLiteral(":/headers/images/headers/") + name, QSize(16, 16), QSize(50, 50));

    for (const char* name :
         {"host.png", "host_poweroff_warning.png", "host_status_disabled.png", "host_status_dispass.png",
          "host_status_invalid.png", "host_status_offline.png", "host_status_online.png",
          "host_status_update.png", "vm_mode_master.png", "vm_mode_normal.png", "vm_state_chnanging.png",
          "vm_state_poweroff.png", "vm_state_running.png", "vm_state_suspended.png"})
        addImage(QStringLiteral(":/img/img/") + name, QSize(12, 12), QSize(24, 24));
}

void TestResources::image()
{
    QFETCH(QString, path);
    QFETCH(QSize, smallest);
    QFETCH(QSize, largest);

    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QVERIFY2(image.width() >= smallest.width() && image.height() >= smallest.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height())));
    QVERIFY2(image.width() <= largest.width() && image.height() <= largest.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height())));

    // Not blank: something is drawn and not everything is one colour.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < argb.height() && colours.size() < 3; ++y) {
        for (int x = 0; x < argb.width() && colours.size() < 3; ++x)
            colours.insert(argb.pixel(x, y));
    }
    QVERIFY(colours.size() >= 3);
    QVERIFY(!QPixmap(path).isNull());
}

void TestResources::devicePictureByIdentifier_data()
{
    QTest::addColumn<QString>("identifier");
    for (const char* identifier : modelIdentifiers)
        QTest::newRow(identifier) << QString::fromLatin1(identifier);
}

void TestResources::devicePictureByIdentifier()
{
    QFETCH(QString, identifier);
    // The picture is looked up without a suffix; the image reader tries the known ones.
    const QPixmap picture(QStringLiteral(":/devices/images/devices/") + pictureName(identifier));
    QVERIFY(!picture.isNull());
}

void TestResources::devicePicturesAreDistinctPerFamily()
{
    QSet<QString> derived;
    for (const char* identifier : modelIdentifiers)
        derived.insert(pictureName(QLatin1String(identifier)));
    QSet<QString> listed;
    for (const char* name : devicePictures)
        listed.insert(QLatin1String(name));
    QCOMPARE(derived, listed);
    QCOMPARE(listed.size(), 36);

    // The five families must not share one drawing.
    QSet<QByteArray> seen;
    for (const char* name : {"osprey", "osprey_rack", "harrier33", "ibis", "virtual_device"}) {
        const QImage picture(QStringLiteral(":/devices/images/devices/%1.png").arg(QLatin1String(name)));
        QVERIFY(!picture.isNull());
        QVERIFY2(!seen.contains(pixels(picture)), name);
        seen.insert(pixels(picture));
    }
}

void TestResources::animation_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("largest");
    QTest::newRow("45.gif") << QStringLiteral(":/images/images/45.gif") << 151;
    // Shown in the 21 x 21 icon cells of the status strip.
    QTest::newRow("loading_spinner.gif") << QStringLiteral(":/images/images/loading_spinner.gif") << 21;
    QTest::newRow("spinner_2_48.gif") << QStringLiteral(":/images/images/spinner_2_48.gif") << 48;
}

void TestResources::animation()
{
    QFETCH(QString, path);
    QFETCH(int, largest);

    QMovie movie(path);
    QVERIFY(movie.isValid());
    QVERIFY2(movie.frameCount() > 1, qPrintable(QString::number(movie.frameCount())));

    QImageReader reader(path);
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.loopCount(), -1);
    QVector<QByteArray> frames;
    for (int i = 0; i < movie.frameCount(); ++i) {
        QVERIFY(movie.jumpToFrame(i));
        const QImage frame = movie.currentImage();
        QVERIFY(!frame.isNull());
        QVERIFY(frame.width() <= largest && frame.height() <= largest);
        frames << pixels(frame);
    }
    // Each frame's stored delay; QMovie's own shrinks by the time a frame took to
    // read, down to 0 on a busy machine.
    for (int i = 0; i < movie.frameCount(); ++i) {
        QVERIFY(!reader.read().isNull());
        QVERIFY2(reader.nextImageDelay() > 0, qPrintable(QString::number(i)));
    }
    QVERIFY(frames.first() != frames.at(1));

    // Plays in a label like the programs use it.
    QLabel label;
    label.setMovie(&movie);
    movie.start();
    QCOMPARE(movie.state(), QMovie::Running);
    QTRY_VERIFY(movie.currentFrameNumber() > 0);
    movie.stop();
}

void TestResources::styleSheet()
{
    QFile file(QStringLiteral(":/styles/global.qss"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.trimmed().isEmpty());
    // Read as Latin-1 up to the first NUL: anything but ASCII would change meaning.
    for (int i = 0; i < bytes.size(); ++i)
        QVERIFY2(bytes.at(i) > 0, qPrintable(QStringLiteral("byte %1 is not printable ASCII").arg(i)));
    QVERIFY(bytes.count('{') == bytes.count('}'));
}

namespace {
QStringList styleWarnings;

void collectStyleWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        styleWarnings << message;
}
} // namespace

void TestResources::styleSheetParses()
{
    QFile file(QStringLiteral(":/styles/global.qss"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromLatin1(file.readAll());

    styleWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectStyleWarnings);
    qApp->setStyleSheet(sheet);
    QLabel probe(QStringLiteral("probe"));
    probe.ensurePolished();
    qInstallMessageHandler(previous);
    qApp->setStyleSheet(QString());
    QVERIFY2(styleWarnings.isEmpty(), qPrintable(styleWarnings.join(QLatin1Char('\n'))));
}

void TestResources::translationsPresent_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("own") << QStringLiteral(":/translation/luminorix_en_US.qm");
    QTest::newRow("qt") << QStringLiteral(":/translation/qt_pl.qm");
}

void TestResources::translationsPresent()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The catalogue magic number.
    QCOMPARE(file.read(4).toHex(), QByteArray("3cb86418"));
}

LX_TEST_MAIN(TestResources)
#include "tst_resources.moc"
