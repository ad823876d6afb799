#pragma once

#include "common/ups.h"
#include "panel/base/sessionstamp.h"

#include <QDialog>
#include <QList>
#include <QString>

class DialogRelay;
class QDialogButtonBox;
class QLabel;
class QTreeWidget;
namespace Luminorix {
class UpsSocketController;
}

// Makes a virtual UPS of parallel units, or changes its members: one row per
// unit with its address, model and whether it is free. OK sends the ticked
// units' ids as set_new_ups or change_ups; nothing else of the record is set.
class AddVirtualUpsWindow : public QDialog
{
    Q_OBJECT

public:
    // Where a unit stands, kept in the row beside its text.
    enum Status
    {
        TakenWithoutCommunication = 0,
        Taken = 1,
        Available = 3,
        AvailableWithoutCommunication = 4
    };
    // Hidden columns of each row: the unit's id and its status.
    static constexpr int idColumn = 4;
    static constexpr int statusColumn = 7;

    explicit AddVirtualUpsWindow(QWidget* parent = nullptr);
    ~AddVirtualUpsWindow() override = default;

    void setEditMode(bool edit);
    // The edited virtual UPS's id.
    void setPhyId(QString id);
    // The members of the edited virtual UPS.
    void setMemberDevices(QList<Luminorix::Utils::Ups> members);
    // The members of every configured virtual UPS.
    void setConfiguredUps(QList<Luminorix::Utils::Ups> members);

    // The catalogue's label of a model identifier, or the identifier itself.
    static QString modelDisplayName(const QString& model);
    static QString statusText(int status);

public slots:
    void setSocketController(Luminorix::UpsSocketController* controller);
    // Builds the rows from every device the window knows; the setters come first.
    void displayAvailableParallelDevices(QList<Luminorix::Utils::Ups> allUpses);
    void accept() override;
    // Without the administrator nothing may be sent: OK stays off from then on.
    void administratorLoggedOut();

private:
    QTreeWidget* treeWidget;
    QDialogButtonBox* buttonBox;
    QLabel* logoLabel;
    Luminorix::UpsSocketController* controller = nullptr;
    Luminorix::Utils::Ups ups;
    bool editMode = false;
    // OK sends only within the session the dialog was opened in.
    SessionStamp session;
    QList<Luminorix::Utils::Ups> memberDevices;
    QList<Luminorix::Utils::Ups> configuredMembers;
};

// The controller the dialog sends through, and the log-out the window forwards.
void connectToService(AddVirtualUpsWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
