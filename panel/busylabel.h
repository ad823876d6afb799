#pragma once

#include <QLabel>

class QMovie;

// The turning wheel over the device pane while the service is busy; hidden otherwise.
class BusyLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BusyLabel(QWidget* parent = nullptr);
    ~BusyLabel() override;

    void setBusy(bool busy);
    bool isBusy() const { return !isHidden(); }

private:
    // Made the first time the service is busy.
    QMovie* movie = nullptr;
};
