#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class SnmpOptionsWindow;
}

// How a UPS is reached over SNMP: the agent's address, the two communities, the
// version and, for a generator set, its controller's serial number. Sends nothing:
// the device dialog reads the values back when it is accepted.
class SnmpOptionsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SnmpOptionsWindow(QWidget* parent = nullptr);
    ~SnmpOptionsWindow() override;

    void setAgentIp(const QString& ip);
    QString agentIp() const;
    void setReadCommunity(const QString& community);
    QString readCommunity() const;
    void setWriteCommunity(const QString& community);
    QString writeCommunity() const;
    // A model without the choice is held at "v1", whatever it had.
    void setSnmpVersion(const QString& version, bool selectable);
    QString snmpVersion() const;
    // The serial number is kept and returned also while its row is hidden.
    void setSerialNumber(const QString& serial, bool visible);
    QString serialNumber() const;

public slots:
    // Only an address of four dotted groups of digits closes the dialog.
    void accept() override;

private:
    Ui::SnmpOptionsWindow* ui;
};
