#pragma once

#include "abstractwidget.h"
#include "common/devicestatetexts.h"

#include <QWidget>

namespace Ui {
class ProgressBarWidget;
}

// A percentage bar with a help button that explains a missing value.
class ProgressBarWidget : public QWidget, public AbstractWidget
{
    Q_OBJECT

public:
    explicit ProgressBarWidget(QWidget* parent = nullptr);
    ~ProgressBarWidget() override;

    // The bar stops at 100, the text shows the value as received.
    void setValue(int percent);
    void setNotAvailable();
    // A device state's value: a number, none, or as it was.
    void showValue(const DeviceStateTexts::Bar& value);
    void setDataAvailable(bool available) override;

private slots:
    void on_helpButton_clicked();

private:
    Ui::ProgressBarWidget* ui;
};
