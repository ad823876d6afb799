#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QTimer;

// A warning icon and text that blink once per second while the service runs
// in debug mode.
class DebugWarningWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DebugWarningWidget(QWidget* parent = nullptr);
    ~DebugWarningWidget() override;

    void startBlinking();
    void stopBlinking();

public slots:
    void timeout();

private:
    QTimer* blinkTimer;
    QHBoxLayout* warningLayout;
    QLabel* warningIconLabel;
    QLabel* warningTextLabel;
};
