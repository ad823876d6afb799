#pragma once

#include "common/computer.h"
#include "common/group.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>

class QTreeWidget;
class QTreeWidgetItem;
namespace Ui {
class GroupConfigurationWindow;
}

// A group's name and members, picked from the configured computers. The
// arrows change the member list of the record handed in at once; only the
// name waits for OK, which refuses markup characters and a name in use.
class GroupConfigurationWindow : public QDialog
{
    Q_OBJECT

public:
    explicit GroupConfigurationWindow(QWidget* parent = nullptr);
    ~GroupConfigurationWindow() override;

    void setAvailableComputers(QVector<Computer> computers);
    // Call after setAvailableComputers; `group` stays the caller's.
    void setEditedGroup(Group* group);
    void setExistingGroups(QVector<Group> groups);
    QString groupName() const;
    void addComputerToGroup(int id);
    void removeComputerFromGroup(int id);

public slots:
    void addToGroupButtonHandler();
    void removeFromGroupButtonHandler();
    void accept() override;

private:
    QTreeWidgetItem* computerRow(const Computer& computer) const;
    void moveSelected(QTreeWidget* from, QTreeWidget* to, bool intoGroup);

    Ui::GroupConfigurationWindow* ui;
    Group* editedGroup = nullptr;
    QStringList namesInUse;
    QVector<Computer> knownComputers;
};
