// What the window keeps of the shown device: forgotten exactly when another
// device is shown, so no dialog starts from the previous one's state.
#include "panel/core/showndevice.h"
#include "tests/support/lxtestcore.h"

using Luminorix::Utils::Ups;

namespace {
Ups ups(const QString& id, const QString& model)
{
    Ups u;
    u.id = id;
    u.model_name = model;
    return u;
}

const QMap<QString, QString> kState{{QStringLiteral("isUpsFound"), QStringLiteral("1")},
                                    {QStringLiteral("isProperDevice"), QStringLiteral("1")},
                                    {QStringLiteral("tot_fuel_consum"), QStringLiteral("1284")}};
} // namespace

class TestShownDevice : public QObject
{
    Q_OBJECT

private slots:
    void anotherDeviceForgetsTheState_data();
    void anotherDeviceForgetsTheState();
};

void TestShownDevice::anotherDeviceForgetsTheState_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("another");
    QTest::newRow("the same device again (a rebuilt tree)") << "5"
                                                            << "Ibis_SNMP" << false;
    QTest::newRow("another id") << "6"
                                << "Ibis_SNMP" << true;
    // Edited to another model under its id: the old values do not fit the new labels.
    QTest::newRow("another model under the same id") << "5"
                                                     << "KitePro_USB" << true;
}

void TestShownDevice::anotherDeviceForgetsTheState()
{
    QFETCH(QString, id);
    QFETCH(QString, model);
    QFETCH(bool, another);
    ShownDevice shown;
    QVERIFY(shown.show(ups(QStringLiteral("5"), QStringLiteral("Ibis_SNMP"))));
    shown.take(kState);
    QVERIFY(shown.takeUndrawn());
    QVERIFY(!shown.takeUndrawn()); // drawn once

    QCOMPARE(shown.show(ups(id, model)), another);
    QCOMPARE(shown.hasState(), !another);
    QCOMPARE(shown.lastState().isEmpty(), another);
    const std::optional<DeviceStateTexts> undrawn = shown.takeUndrawn();
    QCOMPARE(bool(undrawn), another);
    if (undrawn) {
        // The empty state: every field says there is no data.
        QVERIFY(!undrawn->autonomy.available);
        QVERIFY(!undrawn->hasMessages);
        QVERIFY(!undrawn->hasNameAndLocation);
    }
}

LX_TEST_GUILESS_MAIN(TestShownDevice)
#include "tst_showndevice.moc"
