#include "groupconfigurationwindow.h"

#include "common/receivedtext.h"
#include "networkconfigurationwindow.h"
#include "ui_groupconfigurationwindow.h"

#include <QIcon>
#include <QMessageBox>

namespace {
using Column = NetworkConfigurationWindow::ItemColumn;

// Modal and without parent, so the user answers it before anything else.
void refuse(const QString& title, const QString& text)
{
    QMessageBox box;
    box.setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
    box.setWindowTitle(title);
    box.setText(text);
    box.exec();
}
} // namespace

GroupConfigurationWindow::GroupConfigurationWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::GroupConfigurationWindow)
{
    ui->setupUi(this);
    ui->computersInGroupTree->setColumnWidth(0, 200);
    ui->availableComputersTree->setColumnWidth(0, 200);
    setFixedSize(size());
}

GroupConfigurationWindow::~GroupConfigurationWindow()
{
    delete ui;
}

QTreeWidgetItem* GroupConfigurationWindow::computerRow(const Computer& computer) const
{
    auto* row = new QTreeWidgetItem;
    row->setText(Column::NameColumn, computer.computer_name);
    row->setText(Column::AddressColumn, computer.computer_address);
    row->setText(Column::KindColumn, QStringLiteral("computer"));
    row->setData(Column::ComputerIdColumn, Qt::DisplayRole, computer.computer_configId);
    return row;
}

void GroupConfigurationWindow::setAvailableComputers(QVector<Computer> computers)
{
    knownComputers = computers;
    QList<QTreeWidgetItem*> rows;
    for (const Computer& computer : computers)
        rows.append(computerRow(computer));
    ui->availableComputersTree->insertTopLevelItems(0, rows);
}

void GroupConfigurationWindow::setEditedGroup(Group* group)
{
    editedGroup = group;
    ReceivedText::show(ui->groupNameEdit, group->group_name);
    QList<QTreeWidgetItem*> members;
    for (int id : group->computers) {
        // An id with no known computer gets no row; it stays in the record.
        for (const Computer& computer : knownComputers) {
            if (computer.computer_configId == id) {
                QTreeWidgetItem* row = computerRow(computer);
                row->setData(Column::GroupIdColumn, Qt::DisplayRole, group->group_configId);
                members.append(row);
                break;
            }
        }
    }
    ui->computersInGroupTree->insertTopLevelItems(0, members);
    namesInUse.removeAll(group->group_name);
    ui->availableComputersTree->clear();
    QList<QTreeWidgetItem*> others;
    for (const Computer& computer : knownComputers) {
        if (!group->computers.contains(computer.computer_configId))
            others.append(computerRow(computer));
    }
    ui->availableComputersTree->insertTopLevelItems(0, others);
}

void GroupConfigurationWindow::setExistingGroups(QVector<Group> groups)
{
    for (const Group& group : groups)
        namesInUse.append(group.group_name);
    if (editedGroup)
        namesInUse.removeAll(editedGroup->group_name);
}

QString GroupConfigurationWindow::groupName() const
{
    return ReceivedText::of(ui->groupNameEdit);
}

void GroupConfigurationWindow::addComputerToGroup(int id)
{
    if (!editedGroup)
        return;
    for (const Computer& computer : knownComputers) {
        if (computer.computer_configId == id) {
            editedGroup->computers.append(id);
            return;
        }
    }
}

void GroupConfigurationWindow::removeComputerFromGroup(int id)
{
    if (editedGroup)
        editedGroup->computers.removeOne(id);
}

void GroupConfigurationWindow::moveSelected(QTreeWidget* from, QTreeWidget* to, bool intoGroup)
{
    QList<QTreeWidgetItem*> copies;
    const QList<QTreeWidgetItem*> selected = from->selectedItems();
    for (QTreeWidgetItem* row : selected) {
        copies.append(row->clone());
        const int id = row->data(Column::ComputerIdColumn, Qt::DisplayRole).toInt();
        if (intoGroup)
            addComputerToGroup(id);
        else
            removeComputerFromGroup(id);
        delete row;
    }
    to->insertTopLevelItems(0, copies);
}

void GroupConfigurationWindow::addToGroupButtonHandler()
{
    moveSelected(ui->availableComputersTree, ui->computersInGroupTree, true);
}

void GroupConfigurationWindow::removeFromGroupButtonHandler()
{
    moveSelected(ui->computersInGroupTree, ui->availableComputersTree, false);
}

void GroupConfigurationWindow::accept()
{
    const QString name = ReceivedText::of(ui->groupNameEdit);
    static const QString markup = QStringLiteral("&\"'<>");
    for (const QChar c : markup) {
        if (name.contains(c)) {
            refuse(tr("Błędna nazwa grupy"), tr("Nazwa grupy zawiera niedozwolone znaki"));
            return;
        }
    }
    if (namesInUse.contains(name)) {
        refuse(tr("Błędna nazwa grupy"), tr("Istnieje już grupa o podanej nazwie"));
        return;
    }
    QDialog::accept();
}
