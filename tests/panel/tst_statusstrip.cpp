#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/core/countdownlist.h"
#include "panel/debugwarningwidget.h"
#include "panel/luminorixwindow.h"
#include "panel/lxstatuswidget.h"
#include "programversion.h"
#include "tests/support/lxtest.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QScopeGuard>
#include <QTimer>
#include <QTranslator>

namespace {
QString iconOf(const QLabel* label)
{
    if (label->movie())
        return label->movie()->fileName() == QLatin1String(":/images/images/loading_spinner.gif")
                   ? QStringLiteral("spinner")
                   : QStringLiteral("other movie");
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    if (shown.isNull())
        return QStringLiteral("none");
    const QImage image = shown.toImage();
    for (const char* name : {"ok", "4e2", "srv_wrn", "unknown"}) {
        if (QPixmap(QStringLiteral(":/images/images/%1.png").arg(QLatin1String(name))).toImage() == image)
            return QLatin1String(name);
    }
    return QStringLiteral("other");
}

struct Strip
{
    LXStatusWidget widget;
    QLabel* label(const char* name) const { return widget.findChild<QLabel*>(QLatin1String(name)); }
    QString text(const char* name) const { return label(name)->text(); }
    QString style(const char* name) const { return label(name)->styleSheet(); }
};
} // namespace

class TestStatusStrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void freshStripIsBlank();
    void lines_data();
    void lines();
    void versionFollowsConnection();
    void countdownLine_data();
    void countdownLine();
    void linesFitInTheWindow_data();
    void linesFitInTheWindow();

    void countdownListKeepsRunningCounts();
    void countdownListTicksToSmallest();
    void countdownListRemovesById();

    void debugWarningBlinks();
    void debugWarningBlinksBackWhenWindowReturns();
    void debugWarningKeepsTheFormStill();
};

void TestStatusStrip::initTestCase()
{
    if (QPixmap(QStringLiteral(":/images/images/ok.png")).isNull())
        qWarning("artwork not compiled in: the icon columns only tell spinners from pictures");
}

void TestStatusStrip::freshStripIsBlank()
{
    Strip s;
    for (const char* name : {"serviceCaptionLabel", "serviceHostLabel", "serviceWarningLabel",
                             "deviceTextLabel", "countdownTextLabel"})
        QCOMPARE(s.text(name), QString());
    QVERIFY(s.label("countdownTextLabel")->isHidden());
    QVERIFY(s.label("countdownIconLabel")->isHidden());
    // A refresh with nothing known still draws blank lines.
    s.widget.refresh();
    QCOMPARE(s.text("deviceTextLabel"), QString());
    QCOMPARE(iconOf(s.label("serviceIconLabel")), QStringLiteral("none"));
    QCOMPARE(iconOf(s.label("deviceIconLabel")), QStringLiteral("none"));
}

void TestStatusStrip::lines_data()
{
    QTest::addColumn<int>("service");
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("captionStyle");
    QTest::addColumn<QString>("serviceIcon");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("deviceText");
    QTest::addColumn<QString>("deviceStyle");
    QTest::addColumn<QString>("deviceIcon");

    const QString grey = QStringLiteral("color: #59595B; font: bold;");
    const QString red = QStringLiteral("color: #de1414; font: bold;");
    const QString orange = QStringLiteral("color: #FF6600; font: bold;");
    const QString connected = QStringLiteral("Połączono z usługą:");
    const QString mismatch = QStringLiteral("Niezgodna wersja usługi");

    QTest::newRow("connecting ignores the device state") << 2 << 1 << 0 << ""
                                                         << "Trwa łączenie z usługą:" << orange << "spinner"
                                                         << ""
                                                         << "Komunikacja z UPS nieznana" << grey << "spinner";
    QTest::newRow("connection error shows the device as unknown")
        << 0 << 1 << 0 << ""
        << "Błąd połączenia z usługą:" << red << "4e2"
        << ""
        << "Komunikacja z UPS nieznana" << grey << "unknown";
    QTest::newRow("connected, device answers")
        << 1 << 1 << 0 << QString(programVersion) << connected << grey << "ok"
        << ""
        << "Połączono z UPS" << grey << "ok";
    QTest::newRow("connected, device silent")
        << 1 << 0 << 0 << QString(programVersion) << connected << grey << "ok"
        << ""
        << "Brak komunikacji z UPS" << red << "4e2";
    QTest::newRow("connected, device undetermined with spinner")
        << 1 << 2 << 0 << QString(programVersion) << connected << grey << "ok"
        << ""
        << "Komunikacja z UPS nieznana" << grey << "spinner";
    QTest::newRow("connected, device undetermined with icon")
        << 1 << 3 << 0 << QString(programVersion) << connected << grey << "ok"
        << ""
        << "Komunikacja z UPS nieznana" << grey << "unknown";
    QTest::newRow("connected, device state out of range")
        << 1 << 9 << 0 << QString(programVersion) << connected << grey << "ok"
        << ""
        << ""
        << ""
        << "none";
    QTest::newRow("no version reported yet") << 1 << 1 << 0 << "" << connected << grey << "srv_wrn"
                                             << mismatch << "Połączono z UPS" << grey << "ok";
    QTest::newRow("other version") << 1 << 1 << 0 << "2.5.1" << connected << grey << "srv_wrn"
                                   << "Niezgodna wersja usługi (v. 2.5.1)"
                                   << "Połączono z UPS" << grey << "ok";
    QTest::newRow("generator set connected")
        << 1 << 1 << 1 << QString(programVersion) << connected << grey << "ok"
        << ""
        << "Połączono z agregatem" << grey << "ok";
    QTest::newRow("generator set silent")
        << 1 << 0 << 1 << QString(programVersion) << connected << grey << "ok"
        << ""
        << "Brak komunikacji z agregatem" << red << "4e2";
    QTest::newRow("generator set while connecting")
        << 2 << 0 << 1 << ""
        << "Trwa łączenie z usługą:" << orange << "spinner"
        << ""
        << "Komunikacja z agregatem\nnieznana" << grey << "spinner";
    QTest::newRow("service state out of range") << 7 << 1 << 0 << ""
                                                << ""
                                                << ""
                                                << "none"
                                                << ""
                                                << "Komunikacja z UPS nieznana" << grey << "unknown";
}

void TestStatusStrip::lines()
{
    QFETCH(int, service);
    QFETCH(int, device);
    QFETCH(int, type);
    QFETCH(QString, version);
    QFETCH(QString, caption);
    QFETCH(QString, captionStyle);
    QFETCH(QString, serviceIcon);
    QFETCH(QString, warning);
    QFETCH(QString, deviceText);
    QFETCH(QString, deviceStyle);
    QFETCH(QString, deviceIcon);

    Strip s;
    s.widget.setDeviceType(type);
    s.widget.setServiceState(service, QStringLiteral("10.0.0.5"));
    s.widget.setUpsCommunicationState(device);
    if (!version.isEmpty())
        s.widget.setServiceVersion(version);

    QCOMPARE(s.text("serviceCaptionLabel"), caption);
    QCOMPARE(s.style("serviceCaptionLabel"), captionStyle);
    QCOMPARE(s.text("serviceHostLabel"), caption.isEmpty() ? QString() : QStringLiteral("10.0.0.5"));
    QCOMPARE(s.text("serviceWarningLabel"), warning);
    QCOMPARE(s.text("deviceTextLabel"), deviceText);
    QCOMPARE(s.style("deviceTextLabel"), deviceStyle);
    if (!QPixmap(QStringLiteral(":/images/images/ok.png")).isNull() ||
        serviceIcon == QLatin1String("spinner")) {
        QCOMPARE(iconOf(s.label("serviceIconLabel")), serviceIcon);
        QCOMPARE(iconOf(s.label("deviceIconLabel")), deviceIcon);
    }
}

void TestStatusStrip::versionFollowsConnection()
{
    Strip s;
    s.widget.setServiceState(1, QStringLiteral("host"));
    s.widget.setServiceVersion(QLatin1String(programVersion));
    QCOMPARE(s.text("serviceWarningLabel"), QString());
    // A reconnection may reach another service: its version must be asked again.
    s.widget.setServiceState(2, QStringLiteral("host"));
    s.widget.setServiceState(1, QStringLiteral("host"));
    QCOMPARE(s.text("serviceWarningLabel"), QStringLiteral("Niezgodna wersja usługi"));
    QCOMPARE(s.style("serviceWarningLabel"), QStringLiteral("color: #FF6600; font: bold"));
    // Staying connected keeps the version.
    s.widget.setServiceVersion(QLatin1String(programVersion));
    s.widget.setServiceState(1, QStringLiteral("host"));
    QCOMPARE(s.text("serviceWarningLabel"), QString());
}

void TestStatusStrip::countdownLine_data()
{
    QTest::addColumn<int>("service");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("connected") << 1 << 42 << "Wyłączenie za 42 s";
    QTest::newRow("minutes are not converted") << 1 << 120 << "Wyłączenie za 120 s";
    QTest::newRow("zero hides") << 1 << 0 << "";
    QTest::newRow("negative hides") << 1 << -3 << "";
    QTest::newRow("hidden while connecting") << 2 << 42 << "";
    QTest::newRow("hidden after an error") << 0 << 42 << "";
}

void TestStatusStrip::countdownLine()
{
    QFETCH(int, service);
    QFETCH(int, seconds);
    QFETCH(QString, text);

    Strip s;
    s.widget.show();
    s.widget.setServiceState(service, QStringLiteral("host"));
    s.widget.setCountdown(seconds);
    QCOMPARE(s.text("countdownTextLabel"), text);
    QCOMPARE(s.label("countdownTextLabel")->isVisible(), !text.isEmpty());
    QCOMPARE(s.label("countdownIconLabel")->isVisible(), !text.isEmpty());
    QCOMPARE(s.style("countdownTextLabel"), QStringLiteral("color: #de1414; font: bold;"));

    // The count survives a disconnection and shows again once connected...
    s.widget.setServiceState(1, QStringLiteral("host"));
    QCOMPARE(s.text("countdownTextLabel").isEmpty(), seconds <= 0);
    // ...until it is cleared.
    s.widget.clearCountdown();
    QCOMPARE(s.text("countdownTextLabel"), QString());
    QVERIFY(s.label("countdownTextLabel")->isHidden());
    QVERIFY(s.label("countdownIconLabel")->isHidden());
}

void TestStatusStrip::linesFitInTheWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("service");
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("countdown");

    struct Scene
    {
        const char* name;
        int service;
        int device;
        const char* version;
        int countdown;
    };
    const Scene scenes[] = {
        {"connecting", 2, 0, "", 0},
        {"service error", 0, 0, "", 0},
        {"device silent, version not reported", 1, 0, "", 0},
        {"device answers, other version, countdown", 1, 1, "2.5.10", 5400},
        {"device silent, other version, countdown", 1, 0, "2.5.10", 5400},
        {"device undetermined", 1, 2, "2.6.0", 0},
        {"device undetermined, icon", 1, 3, "2.6.0", 0},
    };
    for (const char* language : {"pl", "en_US"}) {
        for (int type : {int(LXStatusWidget::Ups), int(LXStatusWidget::GeneratorSet)}) {
            for (const Scene& scene : scenes)
                QTest::addRow("%s, %s, %s", language, type == LXStatusWidget::Ups ? "UPS" : "generator set",
                              scene.name)
                    << QString::fromLatin1(language) << type << scene.service << scene.device
                    << QString::fromLatin1(scene.version) << scene.countdown;
        }
    }
}

// In the window's own status box every line is shown whole, wrapped where it must.
void TestStatusStrip::linesFitInTheWindow()
{
    QFETCH(QString, language);
    QFETCH(int, type);
    QFETCH(int, service);
    QFETCH(int, device);
    QFETCH(QString, version);
    QFETCH(int, countdown);

    QTranslator own;
    if (language != QLatin1String("pl")) {
        QVERIFY(
            own.load(QStringLiteral("luminorix_") + language, QStringLiteral(":/translation/"), QString()));
        QCoreApplication::installTranslator(&own);
    }
    // The desktop's default (the offscreen platform's own is larger than any desktop's).
    const QFont platformFont = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    const auto restoreFont = qScopeGuard([&platformFont] { QApplication::setFont(platformFont); });
    LocalSettings().setServerAddress(QStringLiteral("127.0.0.1"));
    LuminorixWindow window;
    // The strip shows what this test sets, not what the connection attempts say.
    QObject::disconnect(window.findChild<Luminorix::UpsSocketController*>(QStringLiteral("controller")),
                        nullptr, &window, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* strip = window.findChild<LXStatusWidget*>(QStringLiteral("statusWidget"));
    QVERIFY(strip);
    strip->setDeviceType(type);
    strip->setServiceState(service, QStringLiteral("192.168.100.200"));
    if (!version.isEmpty())
        strip->setServiceVersion(version);
    strip->setUpsCommunicationState(device);
    strip->setCountdown(countdown);
    QCoreApplication::sendPostedEvents();

    auto* box = window.findChild<QGroupBox*>(QStringLiteral("statusBox"));
    int checked = 0;
    for (QLabel* label : strip->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        label->ensurePolished();
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect need = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
        const QString what = QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                                 .arg(label->objectName(), label->text())
                                 .arg(need.width())
                                 .arg(need.height())
                                 .arg(room.width())
                                 .arg(room.height());
        QVERIFY2(need.width() <= room.width() && need.height() <= room.height(), qPrintable(what));
        const QRect inBox(label->mapTo(box, QPoint(0, 0)), label->size());
        QVERIFY2(box->contentsRect().contains(inBox), qPrintable(what + QStringLiteral(", outside the box")));
        ++checked;
    }
    QVERIFY(checked >= 3);
    QCoreApplication::removeTranslator(&own);
}

void TestStatusStrip::countdownListKeepsRunningCounts()
{
    CountdownList list;
    list.findOrAdd(qMakePair(7, 30));
    QCOMPARE(list.tick(), 29);
    for (int i = 0; i < 9; ++i)
        list.tick();
    // The service repeats its message: the running count must not start over.
    list.findOrAdd(qMakePair(7, 30));
    QCOMPARE(list.tick(), 19);
    QCOMPARE(list.list().size(), 1);
}

void TestStatusStrip::countdownListTicksToSmallest()
{
    CountdownList list;
    QCOMPARE(list.tick(), 0);
    list.findOrAdd(qMakePair(7, 30));
    list.findOrAdd(qMakePair(8, 10));
    QCOMPARE(list.tick(), 9);
    QCOMPARE(list.list(), (QList<QPair<int, int>>{{7, 29}, {8, 9}}));
    int last = 9;
    while (last > 0)
        last = list.tick();
    QCOMPARE(last, 0);
    QCOMPARE(list.list().at(0).second, 20);
    list.clear();
    QVERIFY(list.isEmpty());
    QCOMPARE(list.tick(), 0);
}

void TestStatusStrip::countdownListRemovesById()
{
    CountdownList list;
    list.findOrAdd(qMakePair(7, 30));
    list.findOrAdd(qMakePair(9, 20));
    list.removeById(5);
    QCOMPARE(list.list().size(), 2);
    list.removeById(7);
    QCOMPARE(list.list(), (QList<QPair<int, int>>{{9, 20}}));
    list.removeById(9);
    QVERIFY(list.isEmpty());
}

void TestStatusStrip::debugWarningBlinks()
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    layout->addStretch(1);
    auto* warning = new DebugWarningWidget;
    layout->addWidget(warning);
    window.show();
    QVERIFY(warning->isVisible());

    auto* icon = warning->findChild<QLabel*>(QStringLiteral("warningIconLabel"));
    auto* text = warning->findChild<QLabel*>(QStringLiteral("warningTextLabel"));
    auto* timer = warning->findChild<QTimer*>();
    QVERIFY(icon && text && timer);
    QCOMPARE(text->text(), QStringLiteral("TRYB DEBUGOWANIA"));
    QCOMPARE(text->styleSheet(), QStringLiteral("color: red; font: bold 20px;"));
    QVERIFY(!icon->isVisible() && !text->isVisible());

    warning->startBlinking();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!icon->isVisible() && !text->isVisible());
    warning->timeout();
    QVERIFY(icon->isVisible() && text->isVisible());
    warning->timeout();
    QVERIFY(!icon->isVisible() && !text->isVisible());
    warning->timeout();

    warning->stopBlinking();
    QVERIFY(!timer->isActive());
    QVERIFY(!icon->isVisible() && !text->isVisible());
}

void TestStatusStrip::debugWarningBlinksBackWhenWindowReturns()
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* warning = new DebugWarningWidget;
    layout->addWidget(warning);
    auto* text = warning->findChild<QLabel*>(QStringLiteral("warningTextLabel"));
    warning->startBlinking();
    // While the window sits in the tray nothing is visible, so every tick shows.
    warning->timeout();
    warning->timeout();
    QVERIFY(!text->isHidden());
    window.show();
    QVERIFY(text->isVisible());
    warning->timeout();
    QVERIFY(!text->isVisible());
}

// The warning's room is kept whether it shows or not, so nothing around it moves.
void TestStatusStrip::debugWarningKeepsTheFormStill()
{
    LocalSettings().setServerAddress(QStringLiteral("127.0.0.1"));
    LuminorixWindow window;
    QObject::disconnect(window.findChild<Luminorix::UpsSocketController*>(QStringLiteral("controller")),
                        nullptr, &window, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* warning = window.findChild<DebugWarningWidget*>();
    QVERIFY(warning);
    const auto geometries = [&window] {
        QCoreApplication::sendPostedEvents();
        QList<QRect> all;
        for (const char* name : {"upsTreeGroupBox", "upsBox", "statusBox", "groupBox", "configurationBox"})
            all.append(window.findChild<QWidget*>(QLatin1String(name))->geometry());
        return all;
    };
    const QList<QRect> before = geometries();
    warning->timeout();
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("warningTextLabel"))->isVisible());
    QCOMPARE(geometries(), before);
    warning->timeout();
    QVERIFY(!window.findChild<QLabel*>(QStringLiteral("warningTextLabel"))->isVisible());
    QCOMPARE(geometries(), before);
}

LX_TEST_MAIN(TestStatusStrip)
#include "tst_statusstrip.moc"
