#include "progressbarwidget.h"

#include "ui_progressbarwidget.h"

#include <QToolTip>
#include <algorithm>

namespace {
const char* const helpButtonStyle = "* {border-image: none; outline: none; min-width: 20;min-height: 20;} ";
} // namespace

ProgressBarWidget::ProgressBarWidget(QWidget* parent) : QWidget(parent), ui(new Ui::ProgressBarWidget)
{
    ui->setupUi(this);
    ui->helpButton->setVisible(false);
    setContentsMargins(0, 0, 0, 0);
    // The form's design-time value must not show before the first reading.
    ui->progressBar->setValue(0);
    ui->progressBar->setFormat(QString());
    ui->helpButton->setFocusPolicy(Qt::NoFocus);
    ui->helpButton->setStyleSheet(QString::fromLatin1(helpButtonStyle));
}

ProgressBarWidget::~ProgressBarWidget()
{
    delete ui;
}

void ProgressBarWidget::setValue(int percent)
{
    // Overload can exceed 100 %: the bar is full, the text tells the truth.
    ui->progressBar->setValue(std::min(percent, 100));
    ui->progressBar->setFormat(QString::number(percent) + QStringLiteral(" %"));
    if (!ui->helpButton->isHidden())
        ui->helpButton->setVisible(false);
}

void ProgressBarWidget::setNotAvailable()
{
    ui->progressBar->setValue(0);
    ui->progressBar->setFormat(tr("N/D"));
    if (ui->helpButton->isHidden())
        ui->helpButton->setVisible(true);
}

void ProgressBarWidget::showValue(const DeviceStateTexts::Bar& value)
{
    if (value.state == DeviceStateTexts::Bar::Value)
        setValue(value.value);
    else if (value.state == DeviceStateTexts::Bar::NotAvailable)
        setNotAvailable();
}

void ProgressBarWidget::setDataAvailable(bool available)
{
    ui->progressBar->setEnabled(available);
    if (available)
        return;
    ui->progressBar->setValue(0);
    ui->progressBar->setFormat(QString());
    ui->helpButton->setVisible(false);
}

void ProgressBarWidget::on_helpButton_clicked()
{
    // QObject::tr on purpose: the context of this text is "QObject", not the class.
    QToolTip::showText(ui->helpButton->mapToGlobal(QPoint(0, 0)),
                       QObject::tr("Dane niedostępne w wybranym modelu"), ui->helpButton, QRect(), 5000);
}
