#pragma once

#include "common/ups.h"
#include "panel/base/sessionstamp.h"

#include <QDialog>
#include <QPointer>

class DialogRelay;
class UpsLogsWindow;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class LoggingConfigurationWindow;
}

// What the service logs for one UPS: which of its three logs (parameters,
// messages, power compensation), the largest log file and the interval. Edits
// the log fields of a copy of the UPS's record and sends the whole record back
// on OK; opens the viewer of each log that was on when the dialog opened.
class LoggingConfigurationWindow : public QDialog
{
    Q_OBJECT

public:
    explicit LoggingConfigurationWindow(QWidget* parent = nullptr);
    ~LoggingConfigurationWindow() override;

    // The controller (not owned) that OK and the log viewers use.
    void setSocketController(Luminorix::UpsSocketController* controller);
    void setUpsConfiguration(const Luminorix::Utils::Ups& ups);
    // Every push button but the cancel button: a dialog left open when the
    // administrator leaves can still be closed, but sends and opens nothing.
    void setButtonsEnabled(bool enabled);

public slots:
    // Opens the viewer of the log whose button sent the click, with its first page.
    void showLogsButtonClickHandler();
    // Sends the record with the edited log fields, then closes; no answer is awaited.
    void accept() override;

private:
    Ui::LoggingConfigurationWindow* ui;
    UpsLogsWindow* upsLogsWindow = nullptr; // the viewer, while it runs
    QPointer<Luminorix::UpsSocketController> controller;
    SessionStamp session;
    Luminorix::Utils::Ups ups;
};

// The controller for OK and the viewers, and the administrator's log-out.
void connectToService(LoggingConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
