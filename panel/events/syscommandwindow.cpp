#include "syscommandwindow.h"

#include "common/named.h"
#include "common/receivedtext.h"
#include "common/syscommandaction.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const int maximumDelaySeconds = 999900;

QLabel* fixedWidthLabel(const QString& text, const char* name)
{
    QLabel* label = named(new QLabel(text), name);
    label->setMinimumWidth(100);
    return label;
}
} // namespace

SysCommandWindow::SysCommandWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SysCommandWindow"));
    setWindowTitle(tr("Polecenie systemowe"));
    setWindowIcon(QIcon(QStringLiteral(":/images/images/appicon_32.png")));
    setModal(true);
    resize(555, 331);

    // QObject::tr on purpose: the texts of this form have the context "QObject".
    QGroupBox* group = named(new QGroupBox(QObject::tr("Polecenia systemowe")), "commandGroup");
    auto* rows = new QVBoxLayout(group);

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(fixedWidthLabel(QObject::tr("Polecenie"), "commandLabel"));
    commandLineEdit = named(new QLineEdit, "commandLineEdit");
    commandLineEdit->setMinimumWidth(280);
    commandRow->addWidget(commandLineEdit);
    QPushButton* openButton = named(new QPushButton(QObject::tr("Otwórz")), "openButton");
    commandRow->addWidget(openButton);
    rows->addLayout(commandRow);

    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(fixedWidthLabel(QObject::tr("Opcje"), "optionsLabel"));
    optionsEdit = named(new QLineEdit, "optionsEdit");
    optionsRow->addWidget(optionsEdit);
    rows->addLayout(optionsRow);

    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(
        named(new QLabel(QObject::tr("Czas, po którym polecenie zostanie wykonane")), "delayLabel"));
    delayRow->addStretch();
    delaySpinBox = named(new QSpinBox, "delaySpinBox");
    delaySpinBox->setRange(0, maximumDelaySeconds);
    delaySpinBox->setSingleStep(1);
    delaySpinBox->setSuffix(QObject::tr("s"));
    delayRow->addWidget(delaySpinBox);
    rows->addLayout(delayRow);

    rows->addSpacing(20);
    upsOffCheckBox =
        named(new QCheckBox(QObject::tr("Po wykonaniu polecenia wyłącz zasilacz UPS")), "upsOffCheckBox");
    rows->addWidget(upsOffCheckBox);

    auto* bottomRow = new QHBoxLayout;
    QLabel* logo = named(new QLabel, "logoLabel");
    logo->setPixmap(QPixmap(QStringLiteral(":/images/images/maker_logo_s.png")));
    bottomRow->addWidget(logo);
    bottomRow->addStretch();
    QDialogButtonBox* buttonBox = named(
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal), "buttonBox");
    bottomRow->addWidget(buttonBox);

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->addWidget(group);
    mainLayout->addLayout(bottomRow);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(openButton, &QPushButton::clicked, this, &SysCommandWindow::openButtonClickHandler);

    adjustSize();
    setFixedSize(size());
}

void SysCommandWindow::setCommandLine(const QString& text)
{
    ReceivedText::show(commandLineEdit, text);
}

QString SysCommandWindow::commandLine() const
{
    return ReceivedText::of(commandLineEdit);
}

void SysCommandWindow::setCommandOptions(const QString& text)
{
    ReceivedText::show(optionsEdit, text);
}

QString SysCommandWindow::commandOptions() const
{
    return ReceivedText::of(optionsEdit);
}

void SysCommandWindow::setDelayTime(int seconds)
{
    delaySpinBox->setValue(seconds);
}

int SysCommandWindow::delayTime() const
{
    return delaySpinBox->value();
}

void SysCommandWindow::setUpsOffChecked(bool checked)
{
    upsOffCheckBox->setChecked(checked);
}

bool SysCommandWindow::isUpsOffChecked() const
{
    return upsOffCheckBox->isChecked();
}

void SysCommandWindow::setUpsOffEnabled(bool enabled)
{
    upsOffCheckBox->setEnabled(enabled);
}

void SysCommandWindow::showAction(const SysCommandAction& action)
{
    setCommandLine(action.command_line);
    setCommandOptions(action.command_options);
    setDelayTime(action.delay_time);
    setUpsOffChecked(!action.stanbyUps);
}

void SysCommandWindow::writeAction(SysCommandAction& action) const
{
    action.command_line = commandLine();
    action.command_options = commandOptions();
    action.delay_time = delayTime();
    action.stanbyUps = !isUpsOffChecked();
}

bool SysCommandWindow::editAction(QSharedPointer<SysCommandAction>& action, bool upsOffEnabled)
{
    SysCommandWindow dialog;
    if (action)
        dialog.showAction(*action);
    dialog.setUpsOffEnabled(upsOffEnabled);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!action)
        action.reset(new SysCommandAction);
    dialog.writeAction(*action);
    return true;
}

void SysCommandWindow::openButtonClickHandler()
{
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Wybierz plik"), QString(), tr("Wszystkie pliki (*.*)"));
    if (!file.isEmpty()) {
        // The chosen path replaces the whole command, also one shown cut.
        commandLineEdit->setText(file);
        commandLineEdit->setReadOnly(false);
    }
}
