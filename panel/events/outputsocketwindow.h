#pragma once

#include <QDialog>
#include <QSharedPointer>

class OutputSocketControlAction;
namespace Ui {
class OutputSocketWindow;
}

// Edits what an event does with the UPS's two controllable output sockets:
// per section whether it is controlled, on or off, and after how long.
class OutputSocketWindow : public QDialog
{
    Q_OBJECT

public:
    OutputSocketWindow(bool section1Available, bool section2Available, QWidget* parent = nullptr);
    ~OutputSocketWindow() override;

    void setSection1Enabled(bool enabled);
    void setSection1SwitchOn(bool on);
    void setSection1Delay(int seconds);
    void setSection2Enabled(bool enabled);
    void setSection2SwitchOn(bool on);
    void setSection2Delay(int seconds);
    bool isSection1Enabled() const;
    bool isSection1SwitchOn() const;
    int section1Delay() const;
    bool isSection2Enabled() const;
    bool isSection2SwitchOn() const;
    int section2Delay() const;

    // The record into the sections and back. A section that is not available
    // keeps what the record gave it and writes that back unchanged.
    void showAction(const OutputSocketControlAction& action);
    void writeAction(OutputSocketControlAction& action) const;

    // Runs the dialog on `action` for a UPS with the given sections (none yet:
    // the form's initial state). OK writes the record back, making one when
    // there was none; Cancel changes nothing. True on OK.
    static bool editAction(QSharedPointer<OutputSocketControlAction>& action, bool section1Available,
                           bool section2Available);

public slots:
    void enableOutputSocket1Controls();
    void enableOutputSocket2Controls();

private:
    Ui::OutputSocketWindow* ui;
};
