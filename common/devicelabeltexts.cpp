#include "devicelabeltexts.h"

#include "upsmodelcatalogue.h"

DeviceLabelTexts DeviceLabelTexts::forModel(const QString& modelName)
{
    DeviceLabelTexts t;
    t.threePhase = isThreePhaseModel(modelName);
    t.loadLabel = t.threePhase ? tr("Obciążenie") + QStringLiteral(" L1") : tr("Obciążenie");

    const bool g = isGeneratorSetModel(modelName);
    t.generatorSet = g;
    t.modelNameLabel = g ? tr("Typ urządzenia") : tr("Model UPS");
    t.firmwareLabel = g ? tr("Model sterownika") : tr("Firmware");
    t.nominalActivePowerLabel = g ? tr("Numer seryjny sterownika") : tr("Znamionowa moc czynna");
    t.workModeLabel = g ? tr("Tryb pracy agregatu") : tr("Tryb pracy UPS");
    t.batteryStateLabel = g ? tr("Poziom paliwa") : tr("Stan naładowania akumulatora");
    t.autonomyTimeLabel = g ? tr("Całkowite zużycie paliwa") : tr("Czas autonomii");
    t.temperatureLabel = g ? tr("Całkowity czas pracy") : tr("Temperatura wewnętrzna UPS");
    t.upsConfigurationButton = g ? tr("Konfiguracja agregatu") : tr("Konfiguracja UPS");
    t.upsBox = g ? tr("Agregat") : tr("UPS");

    t.temperatureHelpModelReason = missingTemperatureIsModelLimit(modelName);
    t.nameplateHelpModelReason = missingNameplateIsModelLimit(modelName);
    return t;
}
