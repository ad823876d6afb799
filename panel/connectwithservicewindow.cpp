#include "connectwithservicewindow.h"

#include "common/localsettings.h"
#include "common/messagebox.h"
#include "link/upssocketcontroller.h"
#include "ui_connectwithservicewindow.h"

#include <QRegularExpression>

ConnectWithServiceWindow::ConnectWithServiceWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::ConnectWithServiceWindow)
{
    ui->setupUi(this);
    setFixedSize(size());
}

ConnectWithServiceWindow::~ConnectWithServiceWindow()
{
    delete ui;
}

void ConnectWithServiceWindow::setSocketController(Luminorix::UpsSocketController* controller)
{
    this->controller = controller;
}

void ConnectWithServiceWindow::accept()
{
    const QString host = ui->ipEdit->text();
    static const QRegularExpression blank(QStringLiteral("^\\s+$|^$"));
    if (blank.match(host).hasMatch()) {
        showMessageBox(tr("Uwaga"), tr("Należy podać adres IP lub nazwę domenową komputera"));
        return;
    }
    // Taken as typed: a name the resolver rejects shows up in the connection state.
    LocalSettings().setServerAddress(host);
    if (controller) {
        controller->setHost(host);
        controller->disconnectFromService();
        controller->startReconnecting();
    }
    QDialog::accept();
}

void connectToService(ConnectWithServiceWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& /*relay*/)
{
    dialog->setSocketController(controller);
}
