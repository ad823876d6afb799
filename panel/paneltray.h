#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QAction;
class QMenu;
class QTimer;
class QWidget;

// The panel's tray icon with its menu: show or hide the window, and quit.
class PanelTray : public QObject
{
    Q_OBJECT

public:
    // The menu is a popup of `window`.
    PanelTray(const QString& toolTip, QWidget* window);
    ~PanelTray() override;

    // The menu's first entry names the next move.
    void setWindowShown(bool shown);

public slots:
    // The tray reports the first click of a double click as a single one (on X11 both
    // presses), so a click only counts once no second one has followed: a double
    // click does nothing.
    void activate(QSystemTrayIcon::ActivationReason reason);

signals:
    void toggleRequested();
    void quitRequested();

private:
    QSystemTrayIcon* icon = nullptr;
    QPointer<QMenu> menu;
    QAction* toggleAction = nullptr;
    QTimer* clickTimer = nullptr;
};
