#pragma once

#include "extendedparameterrow.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

class DialogRelay;
class QGridLayout;
class QScrollArea;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class ExtendInformationWindow;
}

// Read-only view of a UPS's or generator set's extended measurements: a cell per
// measurement the device reports, three to a line, refreshed with each state.
class ExtendInformationWindow : public QDialog
{
    Q_OBJECT

public:
    using ParameterRow = ExtendedParameterRow;

    explicit ExtendInformationWindow(bool isGenerator, QWidget* parent = nullptr);
    ~ExtendInformationWindow() override;

    // Whether a device state holds any extended measurement: what opens the view.
    static bool hasExtendedParameters(QMap<QString, QString> parameters);
    // Fills the cells from a device state in table order; cells the state no
    // longer reaches are emptied and hidden, so nothing stale looks live.
    void setParameters(QMap<QString, QString> parameters);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitColumns();

    Ui::ExtendInformationWindow* ui;
    QList<ParameterRow> parameterRows;
    QString inputVoltageLabel;
    QString inputFrequencyLabel;
    QScrollArea* scrollArea = nullptr;
    QWidget* scrollContents = nullptr;
    QGridLayout* valuesGrid = nullptr;
};

// Feeds the open view each device state the window shows.
void connectToService(ExtendInformationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
