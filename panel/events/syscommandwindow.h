#pragma once

#include <QDialog>
#include <QSharedPointer>
#include <QString>

class QCheckBox;
class QLineEdit;
class QSpinBox;
class SysCommandAction;

// Edits the system command an event runs. It only shows and returns values;
// whether a checked reaction has its record is checked where the event is saved.
class SysCommandWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SysCommandWindow(QWidget* parent = nullptr);

    void setCommandLine(const QString& text);
    QString commandLine() const;
    void setCommandOptions(const QString& text);
    QString commandOptions() const;
    void setDelayTime(int seconds);
    int delayTime() const;
    void setUpsOffChecked(bool checked);
    bool isUpsOffChecked() const;
    // A disabled box keeps and returns its state.
    void setUpsOffEnabled(bool enabled);

    // The record into the controls and back; the check box is the inverse of
    // stanbyUps in both directions.
    void showAction(const SysCommandAction& action);
    void writeAction(SysCommandAction& action) const;

    // Runs the dialog on `action` (none yet: an empty form). OK writes the
    // record back, making one when there was none; Cancel changes nothing.
    // True on OK. `action` is the caller's own handle: the event list it came
    // from may be replaced while the dialog runs.
    static bool editAction(QSharedPointer<SysCommandAction>& action, bool upsOffEnabled);

public slots:
    void openButtonClickHandler();

private:
    QLineEdit* commandLineEdit;
    QLineEdit* optionsEdit;
    QSpinBox* delaySpinBox;
    QCheckBox* upsOffCheckBox;
};
