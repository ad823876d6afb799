#pragma once

#include <QDialog>

class DialogRelay;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class ConnectWithServiceWindow;
}

// Names the machine whose service the panel administers: stored for the next
// start and used at once.
class ConnectWithServiceWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ConnectWithServiceWindow(QWidget* parent = nullptr);
    ~ConnectWithServiceWindow() override;

    void setSocketController(Luminorix::UpsSocketController* controller);

public slots:
    void accept() override;

private:
    Ui::ConnectWithServiceWindow* ui;
    Luminorix::UpsSocketController* controller = nullptr;
};

// The dialog's link to the service controller, which its OK re-points.
void connectToService(ConnectWithServiceWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
