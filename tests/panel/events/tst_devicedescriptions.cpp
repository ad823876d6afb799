// The device description files as compiled in, and their reader, with Qt Core alone.
#include "common/upsmodelcatalogue.h"
#include "panel/events/devicedescription.h"
#include "tests/support/lxtestcore.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

class TestDeviceDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void countsPerKind_data();
    void countsPerKind();
    void onlyTheShippedFiles();
    void keyVocabulary();
    void everyItemHasBothTexts();
    void tellingItems();
    void ospreyRtInFull();
    void fileForModel_data();
    void fileForModel();
    void everyAdvancedCatalogueModelReachesAFile();
    void read_data();
    void read();
    void readStopsAtAnXmlError();
};

namespace {

const QStringList kinds = {"state", "message", "alarm", "param"};

struct RawItem
{
    QString key;
    QXmlStreamAttributes attributes;
};

// The file as it is compiled in, read without the reader under test.
QVector<RawItem> rawItems(const QString& fileName, QString* root = nullptr, QStringList* groups = nullptr)
{
    QFile file(QStringLiteral(":/data/data/") + fileName + QStringLiteral(".xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QVector<RawItem> items;
    QXmlStreamReader xml(&file);
    int depth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        if (depth == 1 && root)
            *root = xml.name().toString();
        else if (depth == 2 && groups)
            groups->append(xml.name().toString());
        else if (depth == 3)
            items.append({xml.name().toString(), xml.attributes()});
    }
    if (xml.hasError())
        qWarning() << fileName << xml.errorString();
    return xml.hasError() ? QVector<RawItem>() : items;
}

// This test's own broken file lies beside them.
const QString brokenFile = QStringLiteral("Broken_Test");

QStringList shippedFiles()
{
    QStringList names = QDir(QStringLiteral(":/data/data")).entryList(QDir::Files, QDir::Name);
    for (QString& name : names)
        name.chop(4);
    names.removeOne(brokenFile);
    return names;
}

int kindOf(const QString& key)
{
    for (int k = 0; k < kinds.size(); ++k) {
        if (key.startsWith(kinds.at(k)))
            return k;
    }
    return -1;
}

Luminorix::Utils::Ups device(const QString& model, bool parallel = false, bool compensation = false)
{
    Luminorix::Utils::Ups ups;
    ups.model_name = model;
    ups.parallel_unit = parallel;
    ups.power_compensation = compensation;
    return ups;
}

const QStringList parallelItems = {"message2ParallelWorkModeMaster",
                                   "message2ParallelWorkModeSlave",
                                   "message2LcdError",
                                   "message2ParallelUnitStopped",
                                   "message2ParallelWorkNoRedundancy",
                                   "message2ParallelUnitNotEnabled",
                                   "message2ParallelWorkModeNotEnoughUnits",
                                   "alarmParallelWorkModeError"};

struct FileCounts
{
    const char* fileName;
    int states, messages, alarms, parameters;
};

// Items per kind in each shipped file.
const FileCounts fileCounts[] = {
    {"Harrier33", 12, 23, 9, 64},
    {"HarrierRT", 11, 13, 8, 0},
    {"HarrierRT_6_10", 11, 14, 5, 0},
    {"HarrierRT_SNMP", 11, 14, 4, 0},
    {"HarrierRTPlus6_10_RS232", 10, 9, 3, 17},
    {"HarrierRTPlus6_10_SNMP", 10, 9, 3, 13},
    {"HarrierRTPlus6_10_USB", 10, 9, 3, 12},
    {"Harrier_DARK_RS232", 6, 6, 6, 19},
    {"Harrier_DARK_SNMP", 6, 6, 6, 19},
    {"Harrier_Dual31_SNMP", 11, 14, 4, 0},
    {"Harrier_MULTI_10k_20k_RS232", 10, 10, 7, 37},
    {"Harrier_MULTI_10k_20k_SNMP", 10, 9, 7, 35},
    {"Harrier_RT_PRO_1k_3k_RS232", 10, 9, 6, 12},
    {"Harrier_RT_PRO_1k_3k_SNMP", 10, 9, 6, 16},
    {"Harrier_RT_PRO_1k_3k_USB", 10, 25, 7, 15},
    {"Harrier_RT_Plus", 8, 12, 4, 10},
    {"Harrier_RT_Plus_SNMP", 8, 8, 2, 10},
    {"OspreyRT", 8, 13, 9, 14},
    {"OspreyRT_SNMP", 5, 0, 13, 13},
    {"OspreyRT_XL", 8, 13, 9, 14},
    {"Osprey_HID", 6, 7, 2, 0},
    {"Falcon", 12, 7, 6, 0},
    {"KitePro_Avr", 6, 6, 5, 12},
    {"Wren_Avr", 7, 9, 3, 8},
    {"Ibis_SNMP", 3, 3, 81, 0},
    {"Virtual_Device", 12, 3, 9, 0},
};

} // namespace

void TestDeviceDescriptions::countsPerKind_data()
{
    QTest::addColumn<int>("states");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("alarms");
    QTest::addColumn<int>("parameters");
    for (const FileCounts& file : fileCounts)
        QTest::newRow(file.fileName) << file.states << file.messages << file.alarms << file.parameters;
}

// Each file: its counts, its groups in order, and no key twice.
void TestDeviceDescriptions::countsPerKind()
{
    const QString fileName = QString::fromLatin1(QTest::currentDataTag());
    QString root;
    QStringList groups;
    const QVector<RawItem> items = rawItems(fileName, &root, &groups);
    QVERIFY(!items.isEmpty());
    QCOMPARE(root, fileName.toLower());
    QCOMPARE(groups, QStringList({"ups_states", "ups_messages", "ups_alarms", "ups_parameters"}));

    int counts[4] = {0, 0, 0, 0};
    QSet<QString> keys;
    int lastKind = 0;
    for (const RawItem& item : items) {
        const int kind = kindOf(item.key);
        QVERIFY2(kind >= lastKind, qPrintable(item.key));
        lastKind = kind;
        ++counts[kind];
        QVERIFY2(!keys.contains(item.key), qPrintable(item.key));
        keys.insert(item.key);
    }
    QTEST(counts[0], "states");
    QTEST(counts[1], "messages");
    QTEST(counts[2], "alarms");
    QTEST(counts[3], "parameters");
}

void TestDeviceDescriptions::onlyTheShippedFiles()
{
    QStringList expected;
    for (const FileCounts& file : fileCounts)
        expected.append(QLatin1String(file.fileName));
    expected.sort();
    QCOMPARE(shippedFiles(), expected);
}

void TestDeviceDescriptions::keyVocabulary()
{
    const QStringList expected[4] = {
        {
            "stateAvrActive",      "stateBatteryBackup",   "stateBatteryTest",
            "stateBypass",         "stateConverter",       "stateEco",
            "stateEcoBypass",      "stateEmergency",       "stateFault",
            "stateGensetOff",      "stateGensetOn",        "stateHybrid",
            "stateInitialization", "stateNoCommunication", "stateNormal",
            "stateSelfTest",       "stateShutdownUps",     "stateStop",
            "stateUnknown",        "stateWaiting",         "stateWatch",
        },
        {
            "message2LcdError",
            "message2ParallelUnitNotEnabled",
            "message2ParallelUnitStopped",
            "message2ParallelWorkModeMaster",
            "message2ParallelWorkModeNotEnoughUnits",
            "message2ParallelWorkModeSlave",
            "message2ParallelWorkNoRedundancy",
            "message2PowerCompensation",
            "message2PvBackupMode",
            "messageAwaitingPower",
            "messageBatteryCircuitOpen",
            "messageBatteryDepleted",
            "messageBatteryDischarging",
            "messageBatteryFailure",
            "messageBatteryLowLevel",
            "messageBatteryNeedsReplacement",
            "messageBatteryOverheated",
            "messageBatteryStatusNormal",
            "messageBatteryStatusUnknown",
            "messageBoostingAvrBlocked",
            "messageBoostingAvrEngaged",
            "messageBuckingAvrBlocked",
            "messageBuckingAvrEngaged",
            "messageBypass",
            "messageBypassFIncorrect",
            "messageBypassOutOfRange",
            "messageBypassOverload",
            "messageBypassVIncorrect",
            "messageBypassVoltageOutOfRange",
            "messageChargerFail",
            "messageChargerVoltageTooHigh",
            "messageChargerVoltageTooLow",
            "messageCharging",
            "messageEpoBlocked",
            "messageEpromFail",
            "messageFanLock",
            "messageFunTurnedOn",
            "messageIncorrectOrderBypass",
            "messageInputLNFault",
            "messageInverterOverheated",
            "messageInverterTemperatureLimit",
            "messageMainsOutOfRange",
            "messageMainsVIncorrect",
            "messageMaintenanceBypassCover",
            "messageMaisnFIncorrect",
            "messageNeedReplacement",
            "messageNoCommunicationInverter",
            "messageNoCommunicationRectifier",
            "messageNoInternalComm",
            "messageNonCriticalOutOff",
            "messageOilLowLevel",
            "messageOutputOverload",
            "messageOutputsDisabled",
            "messageOutputsNotProtected",
            "messageOutputsProtected",
            "messagePrestart",
            "messageRectifierTemperatureLimit",
            "messageRestoreIsPending",
            "messageService",
            "messageShdwnIsPending",
            "messageShutdownActive",
            "messageTemperatureIncrease",
            "messageTestCanceled",
            "messageTestFailed",
            "messageTestInProgress",
            "messageTestNotPossible",
            "messageTestOk",
            "messageTestStatusUnknown",
            "messageTestWarning",
            "messageUps110Overload",
            "messageUpsFailed",
            "messageUpsNormalMode",
            "messageUpsOutputOff",
            "messageUpsOverheating",
            "messageUpsOverload",
            "messageUtilityFail",
            "messageVoltageOutOfRange",
            "messageWaitingForMinimalCharge",
        },
        {
            "alarm2BOCGenFreqA",
            "alarm2BOCGenFreqAN",
            "alarm2BOCGenFreqN",
            "alarm2BOCGenVUnbalA",
            "alarm2BOCGenVUnbalAN",
            "alarm2BOCGenVUnbalN",
            "alarm2EmergencyStopA",
            "alarm2EmergencyStopAN",
            "alarm2EmergencyStopN",
            "alarm2MainsFreqA",
            "alarm2MainsFreqAN",
            "alarm2MainsFreqN",
            "alarm2MainsLA",
            "alarm2MainsLAN",
            "alarm2MainsLN",
            "alarm2MainsVUnbalA",
            "alarm2MainsVUnbalAN",
            "alarm2MainsVUnbalN",
            "alarm2SdBatteryFlatA",
            "alarm2SdBatteryFlatAN",
            "alarm2SdBatteryFlatN",
            "alarm2WrnMaintenanceA",
            "alarm2WrnMaintenanceAN",
            "alarm2WrnMaintenanceN",
            "alarmAccumulatorError",
            "alarmActiveEpo",
            "alarmAwaitingPower",
            "alarmBOCAmpsIDMTA",
            "alarmBOCAmpsIDMTAN",
            "alarmBOCAmpsIDMTN",
            "alarmBOCAmpsUnbalA",
            "alarmBOCAmpsUnbalAN",
            "alarmBOCAmpsUnbalN",
            "alarmBOCGenLA",
            "alarmBOCGenLAN",
            "alarmBOCGenLN",
            "alarmBOCOverloadA",
            "alarmBOCOverloadAN",
            "alarmBOCOverloadN",
            "alarmBOCShortCrctA",
            "alarmBOCShortCrctAN",
            "alarmBOCShortCrctN",
            "alarmBatteryBad",
            "alarmBatteryTemperatureLimit",
            "alarmBusFault",
            "alarmBypassOverload",
            "alarmChargeAltFailA",
            "alarmChargeAltFailAN",
            "alarmChargeAltFailN",
            "alarmChargerFail",
            "alarmCheckDPFStatusA",
            "alarmCheckDPFStatusAN",
            "alarmCheckDPFStatusN",
            "alarmCriticalBatteryVoltage",
            "alarmDepletedBattery",
            "alarmFanLock",
            "alarmGCBFailA",
            "alarmGCBFailAN",
            "alarmGCBFailN",
            "alarmGenCCWRotA",
            "alarmGenCCWRotAN",
            "alarmGenCCWRotN",
            "alarmGeneralFault",
            "alarmIncorrectOrderBypass",
            "alarmIncorrectOrderMain",
            "alarmInputBad",
            "alarmInputLNFault",
            "alarmInternalError",
            "alarmInverterFault",
            "alarmInverterInternalError",
            "alarmInverterSoftFail",
            "alarmInverterTemperatureLimit",
            "alarmLoadOverSettingLimit",
            "alarmLowBattery",
            "alarmMCBFailA",
            "alarmMCBFailAN",
            "alarmMCBFailN",
            "alarmMainsCCWRotA",
            "alarmMainsCCWRotAN",
            "alarmMainsCCWRotN",
            "alarmNoInternalCommunication",
            "alarmOnBattery",
            "alarmOutputOffAsRequest",
            "alarmOutputOverload",
            "alarmOverCharge",
            "alarmParallelWorkModeError",
            "alarmRectifierInternalError",
            "alarmRectifierTemperatureLimit",
            "alarmReversePowerSupply",
            "alarmSdFuelLevelA",
            "alarmSdFuelLevelAN",
            "alarmSdFuelLevelN",
            "alarmSdGenLA",
            "alarmSdGenLAN",
            "alarmSdGenLN",
            "alarmSdOverspeedA",
            "alarmSdOverspeedAN",
            "alarmSdOverspeedN",
            "alarmSdUnderspeedA",
            "alarmSdUnderspeedAN",
            "alarmSdUnderspeedN",
            "alarmShutdownImminent",
            "alarmShutdownPending",
            "alarmTempBad",
            "alarmTemperatureIncrease",
            "alarmTemperatureOverSettingLimit",
            "alarmUpsOutputOff",
            "alarmUpsOverheated",
            "alarmUpsShortcut",
            "alarmWrnBattVoltA",
            "alarmWrnBattVoltAN",
            "alarmWrnBattVoltN",
            "alarmWrnECUAlarmA",
            "alarmWrnECUAlarmAN",
            "alarmWrnECUAlarmN",
            "alarmWrnECUCommA",
            "alarmWrnECUCommAN",
            "alarmWrnECUCommN",
            "alarmWrnFuelLevelA",
            "alarmWrnFuelLevelAN",
            "alarmWrnFuelLevelN",
        },
        {
            "paramAccumulatorState",
            "paramAutonomyTime",
            "paramBatteryCapacity",
            "paramBatteryCurrent",
            "paramBatteryLowerCurrent",
            "paramBatteryLowerVoltage",
            "paramBatteryTemp",
            "paramBatteryUpperCurrent",
            "paramBatteryUpperVoltage",
            "paramBatteryVoltage",
            "paramBypassActivePowerL1",
            "paramBypassActivePowerL2",
            "paramBypassActivePowerL3",
            "paramBypassCurrent",
            "paramBypassCurrentL1",
            "paramBypassCurrentL2",
            "paramBypassCurrentL3",
            "paramBypassFreq",
            "paramBypassPfL1",
            "paramBypassPfL2",
            "paramBypassPfL3",
            "paramBypassSpuriousPowerL1",
            "paramBypassSpuriousPowerL2",
            "paramBypassSpuriousPowerL3",
            "paramBypassVoltage",
            "paramBypassVoltageL1",
            "paramBypassVoltageL2",
            "paramBypassVoltageL3",
            "paramEnvironmentTemperature",
            "paramInputActivePowerL1",
            "paramInputActivePowerL2",
            "paramInputActivePowerL3",
            "paramInputCurrentL1",
            "paramInputCurrentL2",
            "paramInputCurrentL3",
            "paramInputFreq",
            "paramInputMaximumVoltage",
            "paramInputMinimumVoltage",
            "paramInputPfL1",
            "paramInputPfL2",
            "paramInputPfL3",
            "paramInputSpuriousPowerL1",
            "paramInputSpuriousPowerL2",
            "paramInputSpuriousPowerL3",
            "paramInputVoltage",
            "paramInputVoltageL1",
            "paramInputVoltageL2",
            "paramInputVoltageL3",
            "paramNegativeBusVoltage",
            "paramOutputActivePower",
            "paramOutputActivePowerL1",
            "paramOutputActivePowerL2",
            "paramOutputActivePowerL3",
            "paramOutputCurrent",
            "paramOutputCurrentL1",
            "paramOutputCurrentL2",
            "paramOutputCurrentL3",
            "paramOutputCurrentPrecentage",
            "paramOutputFreq",
            "paramOutputLoad",
            "paramOutputLoadL1",
            "paramOutputLoadL2",
            "paramOutputLoadL3",
            "paramOutputPf",
            "paramOutputPfL1",
            "paramOutputPfL2",
            "paramOutputPfL3",
            "paramOutputSpuriousPower",
            "paramOutputSpuriousPowerL1",
            "paramOutputSpuriousPowerL2",
            "paramOutputSpuriousPowerL3",
            "paramOutputVoltage",
            "paramOutputVoltageL1",
            "paramOutputVoltageL2",
            "paramOutputVoltageL3",
            "paramPositiveBusVoltage",
            "paramRadiatorTemp",
            "paramRelativeHumidity",
            "paramSecondsOnBattery",
            "paramTemperature",
            "paramTemperature1",
            "paramTemperature2",
            "paramTemperature3",
            "paramTemperature4",
        },
    };
    QSet<QString> found[4];
    for (const QString& fileName : shippedFiles()) {
        for (const RawItem& item : rawItems(fileName))
            found[kindOf(item.key)].insert(item.key);
    }
    int total = 0;
    for (int k = 0; k < 4; ++k) {
        QStringList keys = found[k].values();
        keys.sort();
        QCOMPARE(keys, expected[k]);
        total += keys.size();
    }
    QCOMPARE(total, 304);
}

// Both languages everywhere but the one text the generator set lacks; the
// texts follow their kind's pattern and a key reads the same in every file.
void TestDeviceDescriptions::everyItemHasBothTexts()
{
    const QStringList polishPrefixes = {"Tryb pracy ", "Komunikat - ", "Alarm - ", "Parametr - "};
    const QStringList englishPrefixes = {"Work mode - ", "Message - ", "Alarm - ", "Parameter - "};
    QHash<QString, QPair<QString, QString>> textsOfKey;
    QStringList withoutEnglish;
    for (const QString& fileName : shippedFiles()) {
        for (const RawItem& item : rawItems(fileName)) {
            const int kind = kindOf(item.key);
            const QString pl = item.attributes.value("pl").toString();
            const QString en = item.attributes.value("en").toString();
            const QString where = fileName + QLatin1Char(' ') + item.key;
            for (const QXmlStreamAttribute& attribute : item.attributes) {
                QVERIFY2(QStringList({"pl", "en", "parallel_ready", "compensation_ready"})
                             .contains(attribute.name().toString()),
                         qPrintable(where));
            }
            QVERIFY2(pl.startsWith(polishPrefixes.at(kind)), qPrintable(where));
            if (!item.attributes.hasAttribute("en"))
                withoutEnglish.append(where);
            else
                QVERIFY2(en.startsWith(englishPrefixes.at(kind)), qPrintable(where));
            if (kind == 3) {
                QVERIFY2(pl.endsWith(']') && en.endsWith(']'), qPrintable(where));
                QCOMPARE(pl.mid(pl.lastIndexOf(" [")), en.mid(en.lastIndexOf(" [")));
            }
            const auto seen = textsOfKey.constFind(item.key);
            if (seen != textsOfKey.constEnd())
                QCOMPARE(qMakePair(pl, en), *seen);
            textsOfKey.insert(item.key, qMakePair(pl, en));
        }
    }
    QCOMPARE(withoutEnglish, QStringList({"Ibis_SNMP messageTemperatureIncrease"}));
    QCOMPARE(textsOfKey.value("paramOutputLoad"),
             qMakePair(QStringLiteral("Parametr - obciążenie [%]"), QStringLiteral("Parameter - load [%]")));
    QVERIFY(!textsOfKey.value("messageTemperatureIncrease").first.isEmpty());
}

void TestDeviceDescriptions::tellingItems()
{
    for (const QString& fileName : shippedFiles()) {
        QStringList parallel;
        QStringList compensation;
        for (const RawItem& item : rawItems(fileName)) {
            if (item.attributes.hasAttribute("parallel_ready"))
                parallel.append(item.key);
            if (item.attributes.hasAttribute("compensation_ready"))
                compensation.append(item.key);
        }
        if (fileName == QLatin1String("Harrier33")) {
            parallel.sort();
            QStringList expected = parallelItems;
            expected.sort();
            QCOMPARE(parallel, expected);
            QCOMPARE(compensation, QStringList({"message2PowerCompensation"}));
        } else {
            QVERIFY2(parallel.isEmpty() && compensation.isEmpty(), qPrintable(fileName));
        }
    }
}

void TestDeviceDescriptions::ospreyRtInFull()
{
    const QStringList expected = {"stateNoCommunication",
                                  "stateNormal",
                                  "stateBatteryBackup",
                                  "stateEmergency",
                                  "stateWatch",
                                  "stateUnknown",
                                  "stateStop",
                                  "stateWaiting",
                                  "messageOutputOverload",
                                  "messageBatteryLowLevel",
                                  "messageBoostingAvrEngaged",
                                  "messageBuckingAvrEngaged",
                                  "messageBoostingAvrBlocked",
                                  "messageBuckingAvrBlocked",
                                  "messageCharging",
                                  "messageFunTurnedOn",
                                  "messageEpoBlocked",
                                  "messageNeedReplacement",
                                  "messageBatteryOverheated",
                                  "messageInverterOverheated",
                                  "messageWaitingForMinimalCharge",
                                  "alarmOutputOverload",
                                  "alarmUpsShortcut",
                                  "alarmInverterTemperatureLimit",
                                  "alarmBatteryTemperatureLimit",
                                  "alarmActiveEpo",
                                  "alarmInternalError",
                                  "alarmReversePowerSupply",
                                  "alarmNoInternalCommunication",
                                  "alarmCriticalBatteryVoltage",
                                  "paramBatteryCapacity",
                                  "paramOutputLoad",
                                  "paramAutonomyTime",
                                  "paramInputVoltage",
                                  "paramBatteryVoltage",
                                  "paramInputFreq",
                                  "paramOutputVoltage",
                                  "paramOutputCurrent",
                                  "paramOutputFreq",
                                  "paramOutputSpuriousPower",
                                  "paramOutputActivePower",
                                  "paramOutputPf",
                                  "paramBatteryTemp",
                                  "paramRadiatorTemp"};
    for (const char* fileName : {"OspreyRT", "OspreyRT_XL"}) {
        const DeviceDescription description =
            DeviceDescription::read(device(QLatin1String(fileName) + "_USB"), "polish");
        QCOMPARE(description.status, DeviceDescription::Read);
        QCOMPARE(description.offeredKeys, expected);
    }
}

void TestDeviceDescriptions::fileForModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("row 1") << "Harrier33Green_USB"
                           << "Harrier33";
    QTest::newRow("row 1, any case") << "harrier33_RS232"
                                     << "Harrier33";
    QTest::newRow("row 2, any case") << "FALCON_SNMP"
                                     << "Falcon";
    QTest::newRow("row 3") << "OspreyCondor_SNMP"
                           << "Falcon";
    QTest::newRow("row 3, any case") << "OspreycONDOR_USB"
                                     << "Falcon";
    QTest::newRow("row 4") << "HarrierRT_SNMP"
                           << "HarrierRT_SNMP";
    QTest::newRow("row 5") << "HarrierRT_6_10_SNMP"
                           << "HarrierRT_SNMP";
    QTest::newRow("row 6") << "HarrierRT_6_10_RS232"
                           << "HarrierRT_6_10";
    QTest::newRow("row 7") << "HarrierRT_USB"
                           << "HarrierRT";
    QTest::newRow("row 8") << "OspreyRT_XL_SNMP"
                           << "OspreyRT_SNMP";
    QTest::newRow("row 10") << "OspreyRT_XL_USB"
                            << "OspreyRT_XL";
    QTest::newRow("row 11") << "OspreyRT_USB"
                            << "OspreyRT";
    QTest::newRow("row 12") << "KitePro_Avr_Rack_USB"
                            << "KitePro_Avr";
    QTest::newRow("row 15") << "HARRIER_RT_PLUS_SNMP"
                            << "Harrier_RT_Plus_SNMP";
    QTest::newRow("row 16") << "HARRIER_RT_PLUS_USB"
                            << "Harrier_RT_Plus";
    QTest::newRow("row 15 respects case") << "Harrier_RT_Plus_SNMP"
                                          << "Harrier_RT_Plus_SNMP";
    QTest::newRow("row 4 respects case") << "harrierrt_snmp"
                                         << "harrierrt_snmp";
    QTest::newRow("row 17") << "Osprey_HID_Rack_USB"
                            << "Osprey_HID";
    QTest::newRow("row 27") << "Harrier_RT_PRO_1k_3k_RS232"
                            << "Harrier_RT_PRO_1k_3k_RS232";
    QTest::newRow("generator set, row 28") << "Ibis_SNMP"
                                           << "Ibis_SNMP";
    QTest::newRow("virtual UPS, row 28") << "Virtual_Device"
                                         << "Virtual_Device";
}

void TestDeviceDescriptions::fileForModel()
{
    QFETCH(QString, model);
    QFETCH(QString, fileName);
    QCOMPARE(DeviceDescription::fileNameForModel(model), fileName);
    QCOMPARE(DeviceDescription::resourcePath(model), ":/data/data/" + fileName + ".xml");
}

// A model whose events are written against its description must find one.
void TestDeviceDescriptions::everyAdvancedCatalogueModelReachesAFile()
{
    int advanced = 0;
    for (const UpsModelEntry& entry : upsModelCatalogue()) {
        if (!DeviceDescription::isAdvancedEventModel(entry.identifier()))
            continue;
        ++advanced;
        const DeviceDescription description = DeviceDescription::read(device(entry.identifier()), "english");
        QVERIFY2(description.status == DeviceDescription::Read, qPrintable(entry.identifier()));
        QVERIFY2(!description.offeredKeys.isEmpty(), qPrintable(entry.identifier()));
    }
    // Everything but the small single-phase ranges.
    QCOMPARE(advanced, 43);
}

void TestDeviceDescriptions::read_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<bool>("compensation");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("offered");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    const int read = DeviceDescription::Read;
    QTest::newRow("no parallel, no compensation")
        << "Harrier33_USB" << false << false << "polish" << read << 99 << "paramOutputLoad"
        << "Parametr - obciążenie [%]";
    QTest::newRow("parallel unit") << "Harrier33_USB" << true << false << "english" << read << 107
                                   << "paramOutputLoad"
                                   << "Parameter - load [%]";
    QTest::newRow("compensation") << "Harrier33_USB" << false << true << "english" << read << 100
                                  << "message2PowerCompensation"
                                  << "Message - Dynamic reactive power compensation";
    QTest::newRow("both") << "Harrier33_USB" << true << true << "polish" << read << 108
                          << "message2ParallelWorkModeMaster"
                          << "Komunikat - Praca równoległa - MASTER";
    QTest::newRow("a left-out item keeps its text")
        << "Harrier33_USB" << false << false << "polish" << read << 99 << "alarmParallelWorkModeError"
        << "Alarm - Błąd pracy równoległej";
    QTest::newRow("only polish is Polish")
        << "OspreyRT_USB" << false << false << "Polish" << read << 44 << "stateNormal"
        << "Work mode - On line power";
    QTest::newRow("generator set in Polish")
        << "Ibis_SNMP" << false << false << "polish" << read << 87 << "messageTemperatureIncrease"
        << "Komunikat - Nadmierny wzrost temperatury";
    QTest::newRow("generator set in English, the missing text")
        << "Ibis_SNMP" << false << false << "english" << read << 87 << "messageTemperatureIncrease"
        << "";
    QTest::newRow("no such file") << "Orbiter_USB" << false << false << "polish"
                                  << int(DeviceDescription::MissingFile) << 0 << "stateNormal"
                                  << "";
    QTest::newRow("a folder is no file")
        << "" << false << false << "polish" << int(DeviceDescription::MissingFile) << 0 << "stateNormal"
        << "";
}

void TestDeviceDescriptions::read()
{
    QFETCH(QString, model);
    QFETCH(bool, parallel);
    QFETCH(bool, compensation);
    QFETCH(QString, language);
    QFETCH(QString, key);
    QFETCH(QString, text);

    const DeviceDescription description =
        DeviceDescription::read(device(model, parallel, compensation), language);
    QTEST(int(description.status), "status");
    QTEST(description.offeredKeys.size(), "offered");
    QCOMPARE(description.path, DeviceDescription::resourcePath(model));
    QCOMPARE(description.texts.contains(key), !text.isEmpty());
    QCOMPARE(description.texts.value(key), text);
}

// What came before the error stays.
void TestDeviceDescriptions::readStopsAtAnXmlError()
{
    const DeviceDescription description = DeviceDescription::read(device("Broken_Test"), "english");
    QCOMPARE(description.status, DeviceDescription::XmlError);
    QCOMPARE(description.offeredKeys, QStringList({"stateNormal", "stateBatteryBackup", "messageCharging"}));
    QCOMPARE(description.texts.value("messageCharging"), QStringLiteral("Message - Charging"));
    QVERIFY(!description.texts.contains("paramOutputLoad"));
}

LX_TEST_GUILESS_MAIN(TestDeviceDescriptions)
#include "tst_devicedescriptions.moc"
