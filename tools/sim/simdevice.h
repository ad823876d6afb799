#pragma once

#include "common/upsmodelcatalogue.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

class QRandomGenerator;

namespace LxSim {

struct SimRequest;

// One device of the stand-in's world: the record the service lists, its
// status-list entry, its measured values and its settable parameters.
class SimDevice
{
public:
    // A measured value with one entry per phase, wandering around its nominal.
    struct Measurement
    {
        QString key;
        QList<double> nominal;
        QList<double> value;
        double spread = 0.0; // fraction of the nominal the value may wander
        int decimals = 0;
    };

    using Entries = QList<QPair<QString, QString>>;

    // A device with its record's identity only; the rest keeps its defaults.
    static SimDevice named(const QString& id, const QString& model, const QString& communication,
                           const QString& name);

    // Record, as in the model list.
    QString id;
    QString model_name;
    QString communication;
    QString com_port;
    QString ip;
    QString read;
    QString write;
    QString snmp_ver;
    QStringList phy_ids;
    QString serial_no;
    QString log_file_size = QStringLiteral("10");
    QString log_time_interval = QStringLiteral("60");
    QString log_params;
    QString user_defined_name;

    // Status-list entry.
    QString status = QStringLiteral("on_power_line");
    bool connected = true;
    bool parallel_unit = false;
    QString unit_address;
    bool master = false;
    bool power_compensation = false;
    bool output_socket1 = false;
    bool output_socket2 = false;
    bool ups_shutdown_supported = true;

    // Device state: constant entries, measured values, message codes, history.
    Entries fixedState;
    QList<Measurement> measurements;
    QStringList messages;
    QString events;

    QMap<QString, QString> configuration;

    bool isVirtual() const { return isVirtualDeviceModel(model_name); }
    bool isGenerator() const { return isGeneratorSetModel(model_name); }
    bool isThreePhase() const { return isThreePhaseModel(model_name); }

    // Fixed state, measurements and parameters that suit `model_name`.
    void fillDefaults();
    // Takes the identity fields of a set_new_ups / change_ups record (model,
    // interface, addresses, name, members). The log settings are left alone:
    // the device dialogs send them empty, and change_log_config owns them.
    void applyRecord(const SimRequest& request);
    // Takes the three log settings of a change_log_config record.
    void applyLogSettings(const SimRequest& request);
    // The device-state entries in the order they are sent; no empty values.
    Entries deviceState() const;
    // Moves each measured value a small random step, within its spread.
    void drift(QRandomGenerator& random);

    void addMeasurement(const QString& key, const QList<double>& nominal, double spread, int decimals = 0);

private:
    void addUpsExtras();
    void addGeneratorSetExtras();
    QMap<QString, QString> upsParameters() const;
    QMap<QString, QString> generatorSetParameters() const;
};

} // namespace LxSim
