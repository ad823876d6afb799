#include "lineeditwidget.h"

#include "ui_lineeditwidget.h"

#include <QToolTip>

namespace {
// Without it the flat button keeps the global style's frame and focus ring.
const char* const helpButtonStyle = "* {border-image: none; outline: none; min-width: 20;min-height: 20;} ";
} // namespace

LineEditWidget::LineEditWidget(QWidget* parent) : QWidget(parent), ui(new Ui::LineEditWidget)
{
    ui->setupUi(this);
    ui->helpButton->setVisible(false);
    setContentsMargins(0, 0, 0, 0);
    ui->lineEdit->setReadOnly(true);
    ui->helpButton->setFocusPolicy(Qt::NoFocus);
    ui->helpButton->setStyleSheet(QString::fromLatin1(helpButtonStyle));
    modelHelpText = tr("Dane niedostępne w wybranym modelu");
    interfaceHelpText = tr("Dane niedostępne przy użyciu wybranego interfejsu komunikacyjnego");
}

LineEditWidget::~LineEditWidget()
{
    delete ui;
}

// QLineEdit repaints on every setText, also of the text it shows; the panel sets
// the same values once a second.
void LineEditWidget::setValue(const QString& text)
{
    if (ui->lineEdit->text() != text)
        ui->lineEdit->setText(text);
    if (!ui->helpButton->isHidden())
        ui->helpButton->setVisible(false);
}

void LineEditWidget::setNotAvailable()
{
    const QString notAvailable = tr("N/D");
    if (ui->lineEdit->text() != notAvailable)
        ui->lineEdit->setText(notAvailable);
    if (ui->helpButton->isHidden())
        ui->helpButton->setVisible(true);
}

void LineEditWidget::showValue(const DeviceStateTexts::Field& value)
{
    if (value.available)
        setValue(value.text);
    else
        setNotAvailable();
}

void LineEditWidget::setHelpToolTip(bool modelReason)
{
    ui->helpButton->setToolTip(modelReason ? modelHelpText : interfaceHelpText);
}

void LineEditWidget::setDataAvailable(bool available)
{
    ui->lineEdit->setEnabled(available);
    if (available)
        return;
    if (!ui->lineEdit->text().isEmpty())
        ui->lineEdit->clear();
    ui->helpButton->setVisible(false);
}

void LineEditWidget::on_helpButton_clicked()
{
    // Shown at once: the hover delay would make the click look ignored.
    QToolTip::showText(ui->helpButton->mapToGlobal(QPoint(0, 0)), ui->helpButton->toolTip(), ui->helpButton,
                       QRect(), 5000);
}
