#include "addvirtualupswindow.h"

#include "common/named.h"
#include "common/upsmodelcatalogue.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

using Luminorix::Utils::Ups;

namespace {
const int columnCount = 8;

void setAddress(QTreeWidgetItem* row, const QString& address)
{
    row->setText(1, address);
    row->setTextAlignment(1, Qt::AlignCenter);
}

int statusOf(const QTreeWidgetItem* row)
{
    return row->data(AddVirtualUpsWindow::statusColumn, Qt::DisplayRole).toInt();
}

void setStatus(QTreeWidgetItem* row, int status)
{
    row->setData(AddVirtualUpsWindow::statusColumn, Qt::DisplayRole, status);
}
} // namespace

AddVirtualUpsWindow::AddVirtualUpsWindow(QWidget* parent)
    : QDialog(parent), treeWidget(named(new QTreeWidget(this), "treeWidget")),
      buttonBox(named(new QDialogButtonBox(this), "buttonBox")),
      logoLabel(named(new QLabel(this), "logoLabel"))
{
    setObjectName(QStringLiteral("AddVirtualUpsWindow"));
    setWindowTitle(QStringLiteral("Dialog"));
    setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
    treeWidget->setGeometry(10, 20, 411, 211);
    buttonBox->setGeometry(190, 240, 231, 51);
    buttonBox->setOrientation(Qt::Horizontal);
    buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    logoLabel->setGeometry(10, 240, 131, 51);
    logoLabel->setPixmap(QPixmap(QStringLiteral(":/images/images/maker_logo_s.png")));
    resize(433, 300);
    setFixedSize(size());
    connect(buttonBox, &QDialogButtonBox::accepted, this, &AddVirtualUpsWindow::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &AddVirtualUpsWindow::reject);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void AddVirtualUpsWindow::setSocketController(Luminorix::UpsSocketController* socketController)
{
    controller = socketController;
    session = SessionStamp(socketController);
}

void AddVirtualUpsWindow::setEditMode(bool edit)
{
    editMode = edit;
}

void AddVirtualUpsWindow::setPhyId(QString id)
{
    ups.id = id;
}

void AddVirtualUpsWindow::setMemberDevices(QList<Ups> members)
{
    memberDevices = members;
}

void AddVirtualUpsWindow::setConfiguredUps(QList<Ups> members)
{
    configuredMembers = members;
}

QString AddVirtualUpsWindow::modelDisplayName(const QString& model)
{
    return modelLabel(model);
}

QString AddVirtualUpsWindow::statusText(int status)
{
    switch (status) {
    case TakenWithoutCommunication:
        return tr("Zajęty; Brak komunikacji");
    case Taken:
        return tr("Zajęty");
    case Available:
        return tr("Dostępny");
    case AvailableWithoutCommunication:
        return tr("Dostępny; Brak komunikacji");
    default:
        return QString();
    }
}

void AddVirtualUpsWindow::displayAvailableParallelDevices(QList<Ups> allUpses)
{
    treeWidget->clear();
    QList<Ups> parallel;
    for (const Ups& record : allUpses) {
        if (record.parallel_unit)
            parallel.append(record);
    }
    QPushButton* ok = buttonBox->button(QDialogButtonBox::Ok);
    treeWidget->setColumnCount(columnCount);
    for (int column = idColumn; column < columnCount; ++column)
        treeWidget->hideColumn(column);
    if (parallel.isEmpty() && configuredMembers.isEmpty()) {
        auto* none = new QTreeWidgetItem(treeWidget);
        none->setText(0, tr("Brak urządzeń obsługujących pracę równoległą"));
        // At least its 280 px, and as wide as the sentence is in the language shown.
        treeWidget->resizeColumnToContents(0);
        treeWidget->setColumnWidth(0, qMax(280, treeWidget->columnWidth(0)));
        treeWidget->header()->hide();
        ok->setEnabled(false);
        return;
    }

    treeWidget->setHeaderLabels({QString(), tr("Adres"), tr("Model"), tr("Status")});
    treeWidget->header()->show();
    treeWidget->setColumnWidth(0, 50);
    // 50 px, or what the translated heading needs.
    treeWidget->setColumnWidth(1, qMax(50, treeWidget->header()->sectionSizeHint(1)));
    ok->setEnabled(session.isCurrent());

    // Units of the configured virtual UPSes: taken, until found otherwise below.
    QList<QTreeWidgetItem*> memberRows;
    for (const Ups& member : configuredMembers) {
        auto* row = new QTreeWidgetItem(treeWidget);
        setAddress(row, QString());
        row->setText(2, modelDisplayName(member.model_name));
        row->setText(idColumn, member.id);
        row->setFlags(row->flags() & ~Qt::ItemIsEnabled);
        row->setCheckState(0, Qt::Unchecked);
        setStatus(row, TakenWithoutCommunication);
        memberRows.append(row);
    }
    if (editMode) {
        for (const Ups& member : memberDevices) {
            for (QTreeWidgetItem* row : memberRows) {
                if (row->text(idColumn) != member.id)
                    continue;
                setAddress(row, member.unit_address);
                row->setFlags(row->flags() | Qt::ItemIsEnabled);
                row->setCheckState(0, Qt::Checked);
                setStatus(row, AvailableWithoutCommunication);
            }
        }
    }
    for (const Ups& unit : parallel) {
        bool matched = false;
        for (QTreeWidgetItem* row : memberRows) {
            if (row->text(idColumn) != unit.id)
                continue;
            matched = true;
            setAddress(row, unit.unit_address);
            if (statusOf(row) == TakenWithoutCommunication)
                setStatus(row, Taken);
            else if (statusOf(row) == AvailableWithoutCommunication)
                setStatus(row, Available);
        }
        if (matched)
            continue;
        auto* row = new QTreeWidgetItem(treeWidget);
        setAddress(row, unit.unit_address);
        row->setText(2, modelDisplayName(unit.model_name));
        row->setText(idColumn, unit.id);
        row->setFlags(row->flags() | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Unchecked);
        setStatus(row, Available);
    }
    for (int i = 0; i < treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = treeWidget->topLevelItem(i);
        row->setText(3, statusText(statusOf(row)));
    }
    // Model names run longer than the default section; the status column takes the rest.
    treeWidget->resizeColumnToContents(2);
}

void AddVirtualUpsWindow::administratorLoggedOut()
{
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void AddVirtualUpsWindow::accept()
{
    // Only the id, the model and the members: the rest stays as a new record has it.
    Ups record;
    record.id = ups.id;
    record.model_name = QStringLiteral("Virtual_Device");
    for (int i = 0; i < treeWidget->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = treeWidget->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked)
            record.phy_ids.append(row->text(idColumn));
    }
    // A virtual UPS of no units would be a device that never reports anything.
    if (record.phy_ids.isEmpty()) {
        QMessageBox::warning(this, tr("Wirtualny UPS"),
                             tr("Nie zaznaczono żadnej jednostki UPS.\n\nZaznacz jednostki, z których "
                                "składa się wirtualny UPS, i spróbuj ponownie."),
                             QMessageBox::Ok);
        return;
    }
    const bool sent = session.send([this, &record] {
        if (editMode)
            controller->changeUps(record);
        else
            controller->setNewUps(record);
    });
    if (!sent)
        return;
    ups = record;
    QDialog::accept();
}

void connectToService(AddVirtualUpsWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    dialog->setSocketController(controller);
    QObject::connect(&relay, &DialogRelay::administratorLoggedOut, dialog,
                     &AddVirtualUpsWindow::administratorLoggedOut);
}
