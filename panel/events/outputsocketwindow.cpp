#include "outputsocketwindow.h"

#include "common/outputsocketcontrolaction.h"
#include "panel/base/formfit.h"
#include "ui_outputsocketwindow.h"

OutputSocketWindow::OutputSocketWindow(bool section1Available, bool section2Available, QWidget* parent)
    : QDialog(parent), ui(new Ui::OutputSocketWindow)
{
    ui->setupUi(this);
    setFixedSize(size());
    // The delay labels of a larger font need a wider form.
    growWindowToText(this, ui->verticalLayoutWidget_3);
    ui->socketCheckBox1->setEnabled(section1Available);
    ui->socketCheckBox2->setEnabled(section2Available);
    for (QWidget* w : {static_cast<QWidget*>(ui->socketCheckBox2), static_cast<QWidget*>(ui->enableRadio2),
                       static_cast<QWidget*>(ui->disableRadio2), static_cast<QWidget*>(ui->textLabel2),
                       static_cast<QWidget*>(ui->delayTime2)})
        w->setVisible(section2Available);
    if (!section2Available) {
        ui->groupBox->setMaximumHeight(130);
        ui->verticalLayoutWidget_3->setMaximumHeight(200);
        setFixedSize(width(), 210);
    }
}

OutputSocketWindow::~OutputSocketWindow()
{
    delete ui;
}

bool OutputSocketWindow::editAction(QSharedPointer<OutputSocketControlAction>& action, bool section1Available,
                                    bool section2Available)
{
    OutputSocketWindow dialog(section1Available, section2Available);
    if (action)
        dialog.showAction(*action);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!action)
        action.reset(new OutputSocketControlAction);
    dialog.writeAction(*action);
    return true;
}

void OutputSocketWindow::enableOutputSocket1Controls()
{
    const bool on = ui->socketCheckBox1->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(ui->enableRadio1), static_cast<QWidget*>(ui->disableRadio1),
                       static_cast<QWidget*>(ui->textLabel1), static_cast<QWidget*>(ui->delayTime1)})
        w->setEnabled(on);
}

void OutputSocketWindow::enableOutputSocket2Controls()
{
    const bool on = ui->socketCheckBox2->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(ui->enableRadio2), static_cast<QWidget*>(ui->disableRadio2),
                       static_cast<QWidget*>(ui->textLabel2), static_cast<QWidget*>(ui->delayTime2)})
        w->setEnabled(on);
}

void OutputSocketWindow::setSection1Enabled(bool enabled)
{
    ui->socketCheckBox1->setChecked(enabled);
    enableOutputSocket1Controls();
}

void OutputSocketWindow::setSection1SwitchOn(bool on)
{
    ui->enableRadio1->setChecked(on);
    ui->disableRadio1->setChecked(!on);
}

void OutputSocketWindow::setSection1Delay(int seconds)
{
    ui->delayTime1->setValue(seconds);
}

void OutputSocketWindow::setSection2Enabled(bool enabled)
{
    ui->socketCheckBox2->setChecked(enabled);
    enableOutputSocket2Controls();
}

void OutputSocketWindow::setSection2SwitchOn(bool on)
{
    ui->enableRadio2->setChecked(on);
    ui->disableRadio2->setChecked(!on);
}

void OutputSocketWindow::setSection2Delay(int seconds)
{
    ui->delayTime2->setValue(seconds);
}

bool OutputSocketWindow::isSection1Enabled() const
{
    return ui->socketCheckBox1->isChecked();
}

bool OutputSocketWindow::isSection1SwitchOn() const
{
    return ui->enableRadio1->isChecked();
}

int OutputSocketWindow::section1Delay() const
{
    return ui->delayTime1->value();
}

bool OutputSocketWindow::isSection2Enabled() const
{
    return ui->socketCheckBox2->isChecked();
}

bool OutputSocketWindow::isSection2SwitchOn() const
{
    return ui->enableRadio2->isChecked();
}

int OutputSocketWindow::section2Delay() const
{
    return ui->delayTime2->value();
}

void OutputSocketWindow::showAction(const OutputSocketControlAction& action)
{
    setSection1Enabled(action.first_sock_conf);
    setSection1SwitchOn(action.first_sock_ena);
    setSection1Delay(action.first_sock_delay);
    setSection2Enabled(action.second_sock_conf);
    setSection2SwitchOn(action.second_sock_ena);
    setSection2Delay(action.second_sock_delay);
}

void OutputSocketWindow::writeAction(OutputSocketControlAction& action) const
{
    action.first_sock_conf = isSection1Enabled();
    action.first_sock_ena = isSection1SwitchOn();
    action.first_sock_delay = section1Delay();
    action.second_sock_conf = isSection2Enabled();
    action.second_sock_ena = isSection2SwitchOn();
    action.second_sock_delay = section2Delay();
}
