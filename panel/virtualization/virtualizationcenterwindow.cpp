#include "virtualizationcenterwindow.h"

#include "common/named.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "ui_virtualizationcenterwindow.h"
#include "virtcentwindowtabhosts.h"
#include "virtcentwindowtabsettings.h"
#include "virtcentwindowtabvirtualization.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>

VirtualizationCenterWindow::VirtualizationCenterWindow(Luminorix::UpsSocketController* controller,
                                                       QWidget* parent)
    : QDialog(parent), ui(new Ui::VirtualizationCenterWindow), controller(controller)
{
    ui->setupUi(this);
    layout_main = named(new QVBoxLayout, "layout_main");
    tab_widget = named(new QTabWidget, "tab_widget");
    tab_settings = named(new VirtCentWindowTabSettings(controller), "tab_settings");
    tab_hosts = named(new VirtCentWindowTabHosts(controller), "tab_hosts");
    tab_virtualization = named(new VirtCentWindowTabVirtualization(controller), "tab_virtualization");
    layout_bottom = named(new QHBoxLayout, "layout_bottom");
    btn_close = named(new QPushButton, "btn_close");
    lbl_logo = named(new QLabel, "lbl_logo");

    setWindowTitle(tr("Centrum wirtualizacji"));
    setLayout(layout_main);
    setMinimumSize(750, 650);
    // Opened at its minimum the table of the actions tab shows three rows and the
    // recipients' field hides its example; the window may still be made smaller.
    resize(openingSize);
    layout_main->addWidget(tab_widget);
    tab_widget->addTab(tab_virtualization, tr("Wirtualizacje"));
    tab_widget->addTab(tab_hosts, tr("Konfiguracja hostów"));
    tab_widget->addTab(tab_settings, tr("Ustawienia"));
    tab_widget->setCurrentIndex(0);

    lbl_logo->setPixmap(QPixmap(QStringLiteral(":/images/images/maker_logo_s.png")));
    btn_close->setText(tr("Zamknij"));
    layout_bottom->addWidget(lbl_logo);
    layout_bottom->addStretch();
    layout_bottom->addWidget(btn_close);
    layout_main->addLayout(layout_bottom);

    connect(btn_close, &QPushButton::released, this, &QDialog::accept);
}

VirtualizationCenterWindow::~VirtualizationCenterWindow()
{
    // The virtual machines tab goes first: its poll must not outlive the others.
    delete tab_virtualization;
    delete tab_settings;
    delete tab_hosts;
    delete ui;
}

void VirtualizationCenterWindow::requestStartup()
{
    tab_settings->requestSettings();
    tab_hosts->requestVirtualizationCenterHostList();
    tab_virtualization->start();
    controller->getVirtualizationCenterEnabled();
}

void VirtualizationCenterWindow::administratorLoggedOut()
{
    // Replies still on their way would otherwise ask again, with the empty password.
    for (QWidget* tab : std::initializer_list<QWidget*>{tab_settings, tab_hosts, tab_virtualization})
        QObject::disconnect(controller, nullptr, tab, nullptr);
    tab_virtualization->endSession();
    tab_settings->endSession();
    tab_hosts->endSession();
}

void connectToService(VirtualizationCenterWindow* window, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay)
{
    connectToService(window->settingsTab(), controller);
    connectToService(window->hostsTab(), controller);
    connectToService(window->virtualizationTab(), controller);
    QObject::connect(&relay, &DialogRelay::administratorLoggedOut, window,
                     &VirtualizationCenterWindow::administratorLoggedOut);
}
