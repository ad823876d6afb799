#pragma once

#include <QCoreApplication>
#include <QString>

// The labels, layout and help reasons of the main window for the selected
// device, worked out from its model identifier without widgets.
class DeviceLabelTexts
{
    // The texts were the window's own and keep its translation context.
    Q_DECLARE_TR_FUNCTIONS(LuminorixWindow)

public:
    static DeviceLabelTexts forModel(const QString& modelName);

    bool threePhase = false; // the second and third load bars and the events button show
    bool generatorSet = false;
    QString loadLabel;
    QString modelNameLabel;
    QString firmwareLabel;
    QString nominalActivePowerLabel;
    QString workModeLabel;
    QString batteryStateLabel;
    QString autonomyTimeLabel;
    QString temperatureLabel;
    QString upsConfigurationButton;
    QString upsBox;
    // Help reason of a missing value: true the model, false the interface.
    bool temperatureHelpModelReason = true;
    bool nameplateHelpModelReason = true; // firmware and both nominal powers
};
