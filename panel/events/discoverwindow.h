#pragma once

#include "common/computer.h"
#include "discoveryplan.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class ComputerConfigurationWindow;
class DialogRelay;
class QTreeWidget;
class QTreeWidgetItem;
class QUdpSocket;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class DiscoverWindow;
}

// "Odkrywanie": broadcasts the discovery datagram when it opens, then lists
// the configured computers (greyed until they answer) and the unmanaged ones
// the service reports. An unmanaged computer is taken over once its
// net-client password checks out; OK hands the taken computers back.
class DiscoverWindow : public QDialog
{
    Q_OBJECT

public:
    explicit DiscoverWindow(QWidget* parent = nullptr);
    ~DiscoverWindow() override;

    // Instead of the machine's own interfaces and port 12322 (tests).
    void setDiscoveryTargets(const QList<DiscoveryInterface>& interfaces, quint16 port);
    void fillConfiguredComputers(const QVector<Computer>& computers);
    void addDiscoveredComputer(QString ip);
    QVector<Computer> addedComputers() const;
    // Sends the datagram, then runs the dialog.
    int exec() override;

public slots:
    void addButtonClickHandler();
    void discoveredComputerSelectionChangedHandler();

private:
    QTreeWidget* makeTree(const char* name, QWidget* box);
    void broadcast();
    void takeConfirmedComputer();
    friend void connectToService(DiscoverWindow* dialog, Luminorix::UpsSocketController* controller,
                                 const DialogRelay& relay);

    Ui::DiscoverWindow* ui;
    QTreeWidget* managedTree;
    QTreeWidget* unmanagedTree;
    ComputerConfigurationWindow* computerConfigurationWindow = nullptr;
    // For the computer dialog it opens; set by connectToService.
    Luminorix::UpsSocketController* controller = nullptr;
    const DialogRelay* dialogRelay = nullptr;
    QUdpSocket* discoverySocket = nullptr;
    QVector<Computer> configuredComputers;
    QStringList ownAddresses;
    QVector<Computer> takenOver;
    // The unmanaged address the pending computer dialog is for.
    QString pendingAddress;
    std::optional<QList<DiscoveryInterface>> interfaces;
    quint16 port = defaultDiscoveryPort;
};

// The addresses the window forwards, and the service for the computer dialog
// it opens (its net-client digests).
void connectToService(DiscoverWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
