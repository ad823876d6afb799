#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QGridLayout;
class QLabel;
class QMovie;
class QVBoxLayout;

// The status strip: connection to the service, communication between the
// service and the selected device, and the shutdown countdown. A passive view:
// every setter stores its value and redraws all three lines.
class LXStatusWidget : public QWidget
{
    Q_OBJECT

public:
    // serviceState values
    enum ServiceState
    {
        ServiceError = 0,
        ServiceConnected = 1,
        ServiceConnecting = 2,
        ServiceUnknown = 4
    };
    // upsCommunicationState values; 2 shows a spinner, 3 an icon
    enum DeviceState
    {
        DeviceNoCommunication = 0,
        DeviceConnected = 1,
        DeviceUndetermined = 2,
        DeviceUndeterminedIcon = 3,
        DeviceUnknown = 4
    };
    // deviceType values; anything but GeneratorSet is a UPS
    enum DeviceType
    {
        Ups = 0,
        GeneratorSet = 1
    };

    explicit LXStatusWidget(QWidget* parent = nullptr);
    ~LXStatusWidget() override;

    void setServiceState(const int& state, const QString& host);
    void setServiceVersion(const QString& version);
    void setUpsCommunicationState(const int& state);
    void setDeviceType(const int& type);
    void setCountdown(const int& seconds);
    void clearCountdown();
    void refresh();

private:
    void drawServiceLine(int state, const QString& host, const QString& version);
    void drawDeviceLine(int state);
    void drawCountdownLine(int seconds);

    QGridLayout* statusGrid;
    QLabel* serviceIconLabel;
    QLabel* deviceIconLabel;
    QLabel* countdownIconLabel;
    QVBoxLayout* serviceTextLayout;
    QLabel* serviceCaptionLabel;
    QLabel* serviceHostLabel;
    QLabel* serviceWarningLabel;
    QLabel* deviceTextLabel;
    QLabel* countdownTextLabel;

    int serviceState;
    int upsCommunicationState;
    int deviceType;
    QString reportedVersion;
    QString serviceHost;
    int countdownSeconds;

    QPixmap okPixmap;
    QPixmap errorPixmap;
    QPixmap versionWarningPixmap;
    QPixmap unknownPixmap;
    QMovie* serviceSpinner;
    QMovie* deviceSpinner;

    // What each line was last drawn from. The window reports the same state on
    // every poll; a line is drawn again only when its own inputs change (each
    // style sheet set re-polishes its label).
    bool drawnOnce = false;
    QString drawnServiceLine;
    int drawnDeviceLine = 0;
    int drawnDeviceType = 0;
    int drawnCountdown = 0;
};
