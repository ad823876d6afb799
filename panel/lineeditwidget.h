#pragma once

#include "abstractwidget.h"
#include "common/devicestatetexts.h"

#include <QString>
#include <QWidget>

namespace Ui {
class LineEditWidget;
}

// A read-only value field with a help button that explains a missing value.
class LineEditWidget : public QWidget, public AbstractWidget
{
    Q_OBJECT

public:
    explicit LineEditWidget(QWidget* parent = nullptr);
    ~LineEditWidget() override;

    void setValue(const QString& text);
    void setNotAvailable();
    // A device state's value, or none.
    void showValue(const DeviceStateTexts::Field& value);
    // true: the model lacks the value; false: the chosen interface cannot read it.
    void setHelpToolTip(bool modelReason);
    void setDataAvailable(bool available) override;

private slots:
    void on_helpButton_clicked();

private:
    Ui::LineEditWidget* ui;
    QString modelHelpText;
    QString interfaceHelpText;
};
