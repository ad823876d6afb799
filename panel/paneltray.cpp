#include "paneltray.h"

#include "common/named.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QTimer>

PanelTray::PanelTray(const QString& toolTip, QWidget* window) : QObject(window)
{
    icon = named(new QSystemTrayIcon(this), "trayIcon");
    icon->setIcon(QIcon(QPixmap(QStringLiteral(":/images/images/appicon_32.png"))));
    icon->setToolTip(toolTip);
    icon->setVisible(true);

    menu = named(new QMenu(window), "trayMenu");
    toggleAction = named(new QAction(tr("&Ukryj"), this), "toggleAction");
    menu->addAction(toggleAction);
    QAction* quitAction = named(new QAction(tr("&Zakończ"), this), "quitAction");
    menu->addAction(quitAction);
    icon->setContextMenu(menu);

    clickTimer = named(new QTimer(this), "trayClickTimer");
    clickTimer->setSingleShot(true);
    connect(toggleAction, &QAction::triggered, this, &PanelTray::toggleRequested);
    connect(quitAction, &QAction::triggered, this, &PanelTray::quitRequested);
    connect(icon, &QSystemTrayIcon::activated, this, &PanelTray::activate);
    connect(clickTimer, &QTimer::timeout, this, &PanelTray::toggleRequested);
}

PanelTray::~PanelTray()
{
    delete icon;
    delete menu;
}

void PanelTray::setWindowShown(bool shown)
{
    toggleAction->setText(shown ? tr("&Ukryj") : tr("&Pokaż"));
}

void PanelTray::activate(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger && !clickTimer->isActive())
        clickTimer->start(QApplication::doubleClickInterval());
    else if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        clickTimer->stop();
}
