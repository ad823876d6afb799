#include "common/upsmodelcatalogue.h"
#include "taggingtranslator.h"
#include "tests/support/lxtestcore.h"

#include <QCoreApplication>
#include <QSet>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void shape()
    {
        const QList<UpsModelEntry> rows = upsModelCatalogue();
        QCOMPARE(rows.size(), 70);
        QCOMPARE(rows.first().identifier(), QStringLiteral("WrenPro_RS232"));
        QCOMPARE(rows.at(68).identifier(), QStringLiteral("Virtual_Device"));
        QCOMPARE(rows.at(69).identifier(), QStringLiteral("Ibis_SNMP"));

        QMap<QString, int> perInterface;
        for (const UpsModelEntry& row : rows)
            ++perInterface[row.interfaceName()];
        QCOMPARE(perInterface.value(QStringLiteral("SNMP")), 20);
        QCOMPARE(perInterface.value(QStringLiteral("USB")), 28);
        QCOMPARE(perInterface.value(QStringLiteral("RS232")), 21);
        QCOMPARE(perInterface.value(QString()), 1);
        QCOMPARE(perInterface.size(), 4);
    }

    // Every real row is reached over the interface its identifier ends with,
    // and its label is its model name with that interface in brackets.
    void rowsAgreeWithTheirIdentifiers()
    {
        for (const UpsModelEntry& row : upsModelCatalogue()) {
            if (row.identifier() == QLatin1String("Virtual_Device"))
                continue;
            const QString tail = row.identifier().section(QLatin1Char('_'), -1);
            QCOMPARE(row.interfaceName(), tail);
            const QString suffix = QStringLiteral(" (") + tail + QLatin1Char(')');
            QVERIFY2(row.label().endsWith(suffix), qPrintable(row.label()));
            QCOMPARE(row.label().chopped(suffix.size()).toUpper(), row.upperCaseName());
        }
    }

    void lookupsAreUnambiguous()
    {
        QSet<QString> identifiers;
        QSet<QString> nameAndInterface;
        for (const UpsModelEntry& row : upsModelCatalogue()) {
            QVERIFY2(!identifiers.contains(row.identifier()), qPrintable(row.identifier()));
            identifiers.insert(row.identifier());
            const QString key = row.upperCaseName() + QLatin1Char('|') + row.interfaceName();
            QVERIFY2(!nameAndInterface.contains(key), qPrintable(key));
            nameAndInterface.insert(key);
        }
    }

    void sampleRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("upperCaseName");
        QTest::addColumn<QString>("interfaceName");
        QTest::newRow("first") << 0 << "WrenPro_RS232"
                               << "Wren Pro (RS232)"
                               << "WREN PRO"
                               << "RS232";
        QTest::newRow("mixed case name") << 7 << "KitePro_Avr_USB"
                                         << "Kite Pro Avr CDS (USB)"
                                         << "KITE PRO AVR CDS"
                                         << "USB";
        QTest::newRow("slash in name") << 38 << "HarrierRTPlus6_10_USB"
                                       << "HARRIER RT PLUS 6k/10k (USB)"
                                       << "HARRIER RT PLUS 6K/10K"
                                       << "USB";
        QTest::newRow("edge case row") << 58 << "HarrierRT_USB"
                                       << "Harrier RT (USB)"
                                       << "HARRIER RT"
                                       << "USB";
        QTest::newRow("last model") << 67 << "Harrier_RS232"
                                    << "Harrier (RS232)"
                                    << "HARRIER"
                                    << "RS232";
        QTest::newRow("virtual") << 68 << "Virtual_Device"
                                 << "Wirtualny UPS"
                                 << "WIRTUALNY UPS" << QString();
        QTest::newRow("generator") << 69 << "Ibis_SNMP"
                                   << "Agregat Ibis (SNMP)"
                                   << "AGREGAT IBIS"
                                   << "SNMP";
    }

    void sampleRows()
    {
        QFETCH(int, index);
        QFETCH(QString, identifier);
        QFETCH(QString, label);
        QFETCH(QString, upperCaseName);
        QFETCH(QString, interfaceName);
        const UpsModelEntry row = upsModelCatalogue().at(index);
        QCOMPARE(row.identifier(), identifier);
        QCOMPARE(row.label(), label);
        QCOMPARE(row.upperCaseName(), upperCaseName);
        QCOMPARE(row.interfaceName(), interfaceName);
    }

    void labelOnlyDropsInterfaceForTheVirtualIdentifier()
    {
        QCOMPARE(UpsModelEntry(QStringLiteral("Virtual_Device"), QStringLiteral("Wirtualny UPS"), QString())
                     .label(),
                 QStringLiteral("Wirtualny UPS"));
        // The comparison is exact.
        QCOMPARE(UpsModelEntry(QStringLiteral("virtual_device"), QStringLiteral("X"), QString()).label(),
                 QStringLiteral("X ()"));
    }

    void modelIdentifier_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("interfaceName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("harrier rt usb") << "HARRIER RT"
                                        << "USB"
                                        << "HarrierRT_USB";
        QTest::newRow("interface the model lacks") << "HARRIER RT"
                                                   << "RS233"
                                                   << "unknown";
        QTest::newRow("harrier dark has no usb") << "HARRIER DARK"
                                                 << "USB"
                                                 << "unknown";
        QTest::newRow("name in catalogue case") << "Harrier RT"
                                                << "USB"
                                                << "unknown";
        QTest::newRow("interface in lower case") << "HARRIER RT"
                                                 << "usb"
                                                 << "unknown";
        QTest::newRow("virtual") << "WIRTUALNY UPS" << QString() << "Virtual_Device";
        QTest::newRow("generator") << "AGREGAT IBIS"
                                   << "SNMP"
                                   << "Ibis_SNMP";
        QTest::newRow("name shared by two rows") << "OSPREY"
                                                 << "USB"
                                                 << "Osprey_USB";
        QTest::newRow("empty") << QString() << QString() << "unknown";
    }

    void modelIdentifier()
    {
        QFETCH(QString, name);
        QFETCH(QString, interfaceName);
        QFETCH(QString, expected);
        QCOMPARE(::modelIdentifier(name, interfaceName), expected);
    }

    void modelForIdentifier_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("expected");
        QTest::newRow("green snmp") << "Harrier33Green_SNMP"
                                    << "HARRIER 33 GREEN";
        QTest::newRow("virtual") << "Virtual_Device"
                                 << "WIRTUALNY UPS";
        QTest::newRow("empty") << QString() << "unknown";
        QTest::newRow("other case") << "harrier33green_snmp"
                                    << "unknown";
        QTest::newRow("no such model") << "Harrier34_USB"
                                       << "unknown";
    }

    void modelForIdentifier()
    {
        QFETCH(QString, identifier);
        QFETCH(QString, expected);
        QCOMPARE(::modelForIdentifier(identifier), expected);
    }

    void interfacesForModel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("osprey pro") << "OSPREY PRO" << QStringList{"RS232", "USB", "SNMP"};
        QTest::newRow("osprey pro in catalogue case") << "Osprey Pro" << QStringList();
        QTest::newRow("osprey pro in lower case") << "osprey pro" << QStringList();
        QTest::newRow("one interface") << "HARRIER 31 DUAL" << QStringList{"SNMP"};
        QTest::newRow("virtual") << "WIRTUALNY UPS" << QStringList{QString()};
        QTest::newRow("unknown") << "NOSUCH" << QStringList();
    }

    void interfacesForModel()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        QCOMPARE(::interfacesForModel(name), expected);
    }

    // The SNMP options' two rules, each with its own letter-case rule.
    void snmpRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("versionSelectable");
        QTest::addColumn<bool>("serialNumber");
        QTest::newRow("harrier rt") << "HARRIER RT" << true << false;
        QTest::newRow("harrier rt pro") << "HARRIER RT PRO 1K-3K" << true << false;
        QTest::newRow("harrier rt family needs exact case") << "Harrier RT" << false << false;
        QTest::newRow("harrier rt plus") << "HARRIER RT PLUS" << false << false;
        QTest::newRow("harrier rt plus 6k/10k") << "HARRIER RT PLUS 6K/10K" << true << false;
        QTest::newRow("6k/10k in any case") << "harrier rt plus 6k/10k" << true << false;
        QTest::newRow("harrier 31 dual") << "HARRIER 31 DUAL" << true << false;
        QTest::newRow("harrier dark in any case") << "harrier dark" << true << false;
        QTest::newRow("harrier 33") << "HARRIER 33" << false << false;
        QTest::newRow("osprey rt") << "OSPREY RT" << false << false;
        QTest::newRow("generator set") << "AGREGAT IBIS" << false << true;
        QTest::newRow("generator rule in exact case") << "Agregat Ibis" << false << false;
    }

    void snmpRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, versionSelectable);
        QFETCH(bool, serialNumber);
        QCOMPARE(snmpVersionSelectable(name), versionSelectable);
        QCOMPARE(hasControllerSerialNumber(name), serialNumber);
    }

    void changeResetsEvents_data()
    {
        QTest::addColumn<QString>("modelA");
        QTest::addColumn<QString>("interfaceA");
        QTest::addColumn<QString>("modelB");
        QTest::addColumn<QString>("interfaceB");
        QTest::addColumn<bool>("resets");
        QTest::newRow("another model") << "OSPREY"
                                       << "USB"
                                       << "OSPREY PRO"
                                       << "USB" << true;
        QTest::newRow("model names exact") << "OSPREY"
                                           << "USB"
                                           << "Osprey"
                                           << "usb" << true;
        QTest::newRow("same model, other interface") << "OSPREY"
                                                     << "USB"
                                                     << "OSPREY"
                                                     << "rs232" << false;
        QTest::newRow("harrier rt onto snmp") << "HARRIER RT"
                                              << "SNMP"
                                              << "HARRIER RT"
                                              << "rs232" << true;
        QTest::newRow("harrier rt off snmp") << "HARRIER RT 6000/10000"
                                             << "USB"
                                             << "HARRIER RT 6000/10000"
                                             << "snmp" << true;
        QTest::newRow("harrier rt between others") << "HARRIER RT"
                                                   << "USB"
                                                   << "HARRIER RT"
                                                   << "rs232" << false;
        QTest::newRow("harrier rt snmp stays") << "HARRIER RT"
                                               << "SNMP"
                                               << "HARRIER RT"
                                               << "snmp" << false;
        QTest::newRow("osprey rt onto snmp") << "OSPREY RT XL"
                                             << "SNMP"
                                             << "OSPREY RT XL"
                                             << "usb" << true;
        QTest::newRow("other families keep events") << "OSPREY XL"
                                                    << "SNMP"
                                                    << "OSPREY XL"
                                                    << "usb" << false;
        QTest::newRow("nothing given") << ""
                                       << ""
                                       << ""
                                       << "" << false;
    }

    void changeResetsEvents()
    {
        QFETCH(QString, modelA);
        QFETCH(QString, interfaceA);
        QFETCH(QString, modelB);
        QFETCH(QString, interfaceB);
        QFETCH(bool, resets);
        QCOMPARE(::changeResetsEvents(modelA, interfaceA, modelB, interfaceB), resets);
    }

    void modelLabel()
    {
        QCOMPARE(::modelLabel(QStringLiteral("OspreyXL_SNMP")), QStringLiteral("Osprey XL (SNMP)"));
        QCOMPARE(::modelLabel(QStringLiteral("Virtual_Device")), QStringLiteral("Wirtualny UPS"));
        QCOMPARE(::modelLabel(QStringLiteral("ospreyxl_snmp")), QStringLiteral("ospreyxl_snmp"));
    }

    // The two translated names follow the translator installed at the time of the call.
    void translatedRowsFollowTheLanguage()
    {
        TaggingTranslator english;
        QCoreApplication::installTranslator(&english);
        const QList<UpsModelEntry> rows = upsModelCatalogue();
        QCOMPARE(rows.at(68).label(), QStringLiteral("EN:Wirtualny UPS"));
        QCOMPARE(rows.at(69).label(), QStringLiteral("EN:Agregat Ibis (SNMP)"));
        QCOMPARE(rows.at(0).label(), QStringLiteral("Wren Pro (RS232)"));
        QCOMPARE(::modelIdentifier(QStringLiteral("EN:AGREGAT IBIS"), QStringLiteral("SNMP")),
                 QStringLiteral("Ibis_SNMP"));
        QCOMPARE(::modelIdentifier(QStringLiteral("AGREGAT IBIS"), QStringLiteral("SNMP")),
                 QStringLiteral("unknown"));
        QCOMPARE(::modelForIdentifier(QStringLiteral("Virtual_Device")), QStringLiteral("EN:WIRTUALNY UPS"));
        QCoreApplication::removeTranslator(&english);

        QCOMPARE(::modelForIdentifier(QStringLiteral("Virtual_Device")), QStringLiteral("WIRTUALNY UPS"));
    }
};

LX_TEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
