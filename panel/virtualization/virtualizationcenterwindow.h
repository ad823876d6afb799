#pragma once

#include <QDialog>
#include <QSize>

class DialogRelay;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class VirtCentWindowTabHosts;
class VirtCentWindowTabSettings;
class VirtCentWindowTabVirtualization;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class VirtualizationCenterWindow;
}

// The virtualization centre: the virtual machines, the hosts and the centre's
// settings, one tab each. Every tab talks to the service on its own; the
// window only holds them and closes.
class VirtualizationCenterWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize openingSize{920, 800};

    VirtualizationCenterWindow(Luminorix::UpsSocketController* controller, QWidget* parent = nullptr);
    ~VirtualizationCenterWindow() override;

    // The tabs' first requests, settings tab first, then the window's own
    // question; the virtual machines tab starts polling here.
    void requestStartup();

    VirtCentWindowTabSettings* settingsTab() const { return tab_settings; }
    VirtCentWindowTabHosts* hostsTab() const { return tab_hosts; }
    VirtCentWindowTabVirtualization* virtualizationTab() const { return tab_virtualization; }

    // The administrator's session ended: the service no longer takes this
    // window's requests, so nothing more is sent and the window is only read.
    void administratorLoggedOut();

private:
    Ui::VirtualizationCenterWindow* ui;
    Luminorix::UpsSocketController* controller;
    QVBoxLayout* layout_main;
    QTabWidget* tab_widget;
    VirtCentWindowTabSettings* tab_settings;
    VirtCentWindowTabHosts* tab_hosts;
    VirtCentWindowTabVirtualization* tab_virtualization;
    QHBoxLayout* layout_bottom;
    QPushButton* btn_close;
    QLabel* lbl_logo;
};

// The window's links to the service: those of its three tabs, and the
// relay's log-out.
void connectToService(VirtualizationCenterWindow* window, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
