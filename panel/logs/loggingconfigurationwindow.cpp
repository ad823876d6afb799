#include "loggingconfigurationwindow.h"

#include "link/upssocketcontroller.h"
#include "panel/base/dialogguard.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/formfit.h"
#include "ui_loggingconfigurationwindow.h"
#include "upslogswindow.h"

#include <QPushButton>

namespace {
// The bits of log_params; any other bit is ignored and never written.
const int parametersLog = 1;
const int messagesLog = 2;
const int compensationLog = 4;

struct LogKind
{
    const char* button;
    const char* title;
    const char* type;
};

const LogKind logKinds[] = {
    {"showDataButton", QT_TRANSLATE_NOOP("LoggingConfigurationWindow", "Przegląd danych"), "parameters"},
    {"showEventsButton", QT_TRANSLATE_NOOP("LoggingConfigurationWindow", "Przegląd komunikatów"), "messages"},
    {"showCompensationButton", QT_TRANSLATE_NOOP("LoggingConfigurationWindow", "Przegląd kompensacji"),
     "compensation"},
};
} // namespace

LoggingConfigurationWindow::LoggingConfigurationWindow(QWidget* parent)
    : QDialog(parent), ui(new Ui::LoggingConfigurationWindow)
{
    ui->setupUi(this);
    setFixedSize(size());
    // Larger fonts need wider rows than the form's.
    growWindowToText(this, ui->groupBox);
}

LoggingConfigurationWindow::~LoggingConfigurationWindow()
{
    delete ui;
}

void LoggingConfigurationWindow::setSocketController(Luminorix::UpsSocketController* socketController)
{
    controller = socketController;
    session = SessionStamp(socketController);
}

void LoggingConfigurationWindow::setUpsConfiguration(const Luminorix::Utils::Ups& record)
{
    ups = record;
    // Not a number reads as 0; the spin boxes clamp into their ranges.
    ui->fileSizeSpinBox->setValue(ups.log_file_size.toInt());
    ui->intervalSpinBox->setValue(ups.log_time_interval.toInt());

    const bool compensation = ups.power_compensation;
    ui->compensationCheckBox->setVisible(compensation);
    ui->showCompensationButton->setVisible(compensation);

    const int mask = ups.log_params.toInt();
    if (mask & parametersLog)
        ui->parametersCheckBox->setChecked(true);
    if (mask & messagesLog)
        ui->messagesCheckBox->setChecked(true);
    if (compensation && (mask & compensationLog))
        ui->compensationCheckBox->setChecked(true);

    // A log can be viewed only if it was on when the dialog opened: ticking a
    // box later does not open its viewer.
    ui->showDataButton->setEnabled(ui->parametersCheckBox->isChecked());
    ui->showEventsButton->setEnabled(ui->messagesCheckBox->isChecked());
    ui->showCompensationButton->setEnabled(ui->compensationCheckBox->isChecked());
}

void LoggingConfigurationWindow::setButtonsEnabled(bool enabled)
{
    // Found by role, not by its text, which is translated.
    const QPushButton* cancel = ui->buttonBox->button(QDialogButtonBox::Cancel);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button != cancel)
            button->setEnabled(enabled);
    }
}

void LoggingConfigurationWindow::accept()
{
    Luminorix::Utils::Ups record = ups;
    record.log_time_interval = QString::number(ui->intervalSpinBox->value());
    record.log_file_size = QString::number(ui->fileSizeSpinBox->value());
    int mask = 0;
    if (ui->parametersCheckBox->isChecked())
        mask |= parametersLog;
    if (ui->messagesCheckBox->isChecked())
        mask |= messagesLog;
    if (record.power_compensation && ui->compensationCheckBox->isChecked())
        mask |= compensationLog;
    record.log_params = QString::number(mask);
    if (!session.send([this, &record] { controller->changeLogConfig(record); }))
        return;
    ups = record;
    QDialog::accept();
}

void LoggingConfigurationWindow::showLogsButtonClickHandler()
{
    const QString button = sender() ? sender()->objectName() : QString();
    for (const LogKind& kind : logKinds) {
        if (button != QLatin1String(kind.button))
            continue;
        DialogGuard<UpsLogsWindow> viewer(upsLogsWindow, new UpsLogsWindow(nullptr));
        viewer->setWindowTitle(tr(kind.title));
        viewer->setLogType(QLatin1String(kind.type));
        viewer->setSocketController(controller);
        // The first page is asked for before the viewer shows; it arrives in its loop.
        if (controller)
            controller->getUpsLogs({{QStringLiteral("type"), QLatin1String(kind.type)},
                                    {QStringLiteral("age"), QStringLiteral("first")}});
        viewer->exec();
        return;
    }
}

void connectToService(LoggingConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    dialog->setSocketController(controller);
    QObject::connect(&relay, &DialogRelay::administratorLoggedOut, dialog,
                     [dialog] { dialog->setButtonsEnabled(false); });
}
