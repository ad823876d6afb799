#include "lxstatuswidget.h"

#include "programversion.h"

#include <QGridLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace {
const char* const spinnerPath = ":/images/images/loading_spinner.gif";

const char* const greyBold = "color: #59595B; font: bold;";
const char* const redBold = "color: #de1414; font: bold;";

QLabel* makeIconLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setMinimumSize(21, 21);
    label->setMaximumSize(21, 21);
    return label;
}

QLabel* makeTextLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setMinimumWidth(21);
    return label;
}

void showSpinner(QLabel* label, QMovie* spinner)
{
    label->setMovie(spinner);
    spinner->start();
}

// Clearing the label first detaches the movie; stopping it saves the timer.
void showPixmap(QLabel* label, QMovie* spinner, const QPixmap& pixmap)
{
    spinner->stop();
    label->setPixmap(pixmap);
}
} // namespace

LXStatusWidget::LXStatusWidget(QWidget* parent)
    : QWidget(parent), statusGrid(new QGridLayout), serviceIconLabel(makeIconLabel("serviceIconLabel", this)),
      deviceIconLabel(makeIconLabel("deviceIconLabel", this)),
      countdownIconLabel(makeIconLabel("countdownIconLabel", this)), serviceTextLayout(new QVBoxLayout),
      serviceCaptionLabel(makeTextLabel("serviceCaptionLabel", this)),
      serviceHostLabel(makeTextLabel("serviceHostLabel", this)),
      serviceWarningLabel(makeTextLabel("serviceWarningLabel", this)),
      deviceTextLabel(makeTextLabel("deviceTextLabel", this)),
      countdownTextLabel(makeTextLabel("countdownTextLabel", this)), serviceState(ServiceUnknown),
      upsCommunicationState(DeviceUnknown), deviceType(Ups), countdownSeconds(0),
      okPixmap(QStringLiteral(":/images/images/ok.png")),
      errorPixmap(QStringLiteral(":/images/images/4e2.png")),
      versionWarningPixmap(QStringLiteral(":/images/images/srv_wrn.png")),
      unknownPixmap(QStringLiteral(":/images/images/unknown.png")),
      serviceSpinner(new QMovie(QString::fromLatin1(spinnerPath))),
      deviceSpinner(new QMovie(QString::fromLatin1(spinnerPath)))
{
    setLayout(statusGrid);
    // The group box around the strip has margins of its own; the height they would take
    // twice is needed by lines that wrap.
    statusGrid->setContentsMargins(0, 0, 0, 0);

    countdownIconLabel->setPixmap(QPixmap(QStringLiteral(":/images/images/time.png")));
    countdownIconLabel->setVisible(false);

    statusGrid->addWidget(serviceIconLabel, 0, 0);
    statusGrid->addWidget(deviceIconLabel, 1, 0);
    statusGrid->addWidget(countdownIconLabel, 2, 0);

    // Translations and the service's version make lines longer than the column: they
    // wrap rather than being cut.
    for (QLabel* label :
         {serviceCaptionLabel, serviceHostLabel, serviceWarningLabel, deviceTextLabel, countdownTextLabel})
        label->setWordWrap(true);
    serviceTextLayout->setSpacing(1);
    serviceTextLayout->addWidget(serviceCaptionLabel);
    serviceTextLayout->addWidget(serviceHostLabel);
    serviceTextLayout->addWidget(serviceWarningLabel);
    statusGrid->addLayout(serviceTextLayout, 0, 1);

    statusGrid->addWidget(deviceTextLabel, 1, 1);
    countdownTextLabel->setVisible(false);
    statusGrid->addWidget(countdownTextLabel, 2, 1);

    // Keeps the lines in the top left corner however tall the group box is; the text
    // column takes the width, so that wrapped lines break only where they must.
    statusGrid->setColumnStretch(1, 1);
    statusGrid->setRowStretch(3, 1);
}

LXStatusWidget::~LXStatusWidget()
{
    // The labels may still point at the movies; detach before deleting them.
    serviceIconLabel->clear();
    deviceIconLabel->clear();
    delete serviceSpinner;
    delete deviceSpinner;
}

void LXStatusWidget::setServiceState(const int& state, const QString& host)
{
    serviceState = state;
    serviceHost = host;
    if (state != ServiceConnected)
        reportedVersion.clear();
    refresh();
}

void LXStatusWidget::setServiceVersion(const QString& version)
{
    reportedVersion = version;
    refresh();
}

void LXStatusWidget::setUpsCommunicationState(const int& state)
{
    upsCommunicationState = state;
    refresh();
}

void LXStatusWidget::setDeviceType(const int& type)
{
    deviceType = type;
    refresh();
}

void LXStatusWidget::setCountdown(const int& seconds)
{
    countdownSeconds = seconds;
    refresh();
}

void LXStatusWidget::clearCountdown()
{
    countdownSeconds = 0;
    refresh();
}

void LXStatusWidget::refresh()
{
    const bool first = !drawnOnce;
    drawnOnce = true;

    const QString serviceLine =
        QString::number(serviceState) + QLatin1Char('\n') + serviceHost + QLatin1Char('\n') + reportedVersion;
    if (first || serviceLine != drawnServiceLine) {
        drawnServiceLine = serviceLine;
        drawServiceLine(serviceState, serviceHost, reportedVersion);
    }

    int deviceLine = DeviceUndeterminedIcon;
    if (serviceState == ServiceConnected)
        deviceLine = upsCommunicationState;
    else if (serviceState == ServiceConnecting)
        deviceLine = DeviceUndetermined;
    else if (serviceState == ServiceUnknown)
        deviceLine = DeviceUnknown;
    if (first || deviceLine != drawnDeviceLine || deviceType != drawnDeviceType) {
        drawnDeviceLine = deviceLine;
        drawnDeviceType = deviceType;
        drawDeviceLine(deviceLine);
    }

    const int countdown = serviceState == ServiceConnected ? countdownSeconds : 0;
    if (first || countdown != drawnCountdown) {
        drawnCountdown = countdown;
        drawCountdownLine(countdown);
    }
}

void LXStatusWidget::drawServiceLine(int state, const QString& host, const QString& version)
{
    serviceWarningLabel->clear();
    switch (state) {
    case ServiceConnecting:
        showSpinner(serviceIconLabel, serviceSpinner);
        serviceCaptionLabel->setText(tr("Trwa łączenie z usługą:"));
        serviceCaptionLabel->setStyleSheet(QStringLiteral("color: #FF6600; font: bold;"));
        serviceHostLabel->setText(host);
        serviceHostLabel->setStyleSheet(QStringLiteral("color: #FF6600; font: bold italic;"));
        break;
    case ServiceConnected: {
        // An unreported version counts as a mismatch until the service tells.
        const bool matches = version.compare(QLatin1String(programVersion), Qt::CaseInsensitive) == 0;
        showPixmap(serviceIconLabel, serviceSpinner, matches ? okPixmap : versionWarningPixmap);
        serviceCaptionLabel->setText(tr("Połączono z usługą:"));
        serviceCaptionLabel->setStyleSheet(QLatin1String(greyBold));
        serviceHostLabel->setText(host);
        serviceHostLabel->setStyleSheet(QStringLiteral("color: #59595B; font: bold italic;"));
        if (!matches) {
            QString warning = tr("Niezgodna wersja usługi");
            if (!version.isEmpty())
                warning += QStringLiteral(" (v. %1)").arg(version);
            serviceWarningLabel->setText(warning);
            serviceWarningLabel->setStyleSheet(QStringLiteral("color: #FF6600; font: bold"));
        }
        break;
    }
    case ServiceError:
        showPixmap(serviceIconLabel, serviceSpinner, errorPixmap);
        serviceCaptionLabel->setText(tr("Błąd połączenia z usługą:"));
        serviceCaptionLabel->setStyleSheet(QLatin1String(redBold));
        serviceHostLabel->setText(host);
        serviceHostLabel->setStyleSheet(QStringLiteral("color: #de1414; font: bold italic;"));
        break;
    default:
        showPixmap(serviceIconLabel, serviceSpinner, QPixmap());
        serviceCaptionLabel->clear();
        serviceHostLabel->clear();
        break;
    }
}

void LXStatusWidget::drawDeviceLine(int state)
{
    const bool generator = deviceType == GeneratorSet;
    switch (state) {
    case DeviceUndetermined:
    case DeviceUndeterminedIcon:
        if (state == DeviceUndetermined)
            showSpinner(deviceIconLabel, deviceSpinner);
        else
            showPixmap(deviceIconLabel, deviceSpinner, unknownPixmap);
        deviceTextLabel->setText(generator ? tr("Komunikacja z agregatem\nnieznana")
                                           : tr("Komunikacja z UPS nieznana"));
        deviceTextLabel->setStyleSheet(QLatin1String(greyBold));
        break;
    case DeviceNoCommunication:
        showPixmap(deviceIconLabel, deviceSpinner, errorPixmap);
        deviceTextLabel->setText(generator ? tr("Brak komunikacji z agregatem")
                                           : tr("Brak komunikacji z UPS"));
        deviceTextLabel->setStyleSheet(QLatin1String(redBold));
        break;
    case DeviceConnected:
        showPixmap(deviceIconLabel, deviceSpinner, okPixmap);
        deviceTextLabel->setText(generator ? tr("Połączono z agregatem") : tr("Połączono z UPS"));
        deviceTextLabel->setStyleSheet(QLatin1String(greyBold));
        break;
    default:
        showPixmap(deviceIconLabel, deviceSpinner, QPixmap());
        deviceTextLabel->clear();
        break;
    }
}

void LXStatusWidget::drawCountdownLine(int seconds)
{
    const bool shown = seconds > 0;
    countdownTextLabel->setText(shown ? QStringLiteral("%1 %2 s").arg(tr("Wyłączenie za")).arg(seconds)
                                      : QString());
    if (countdownTextLabel->styleSheet() != QLatin1String(redBold))
        countdownTextLabel->setStyleSheet(QLatin1String(redBold));
    countdownIconLabel->setVisible(shown);
    countdownTextLabel->setVisible(shown);
}
