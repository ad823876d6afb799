#pragma once

#include "panel/luminorixwindow.h"
#include "tests/support/servicerig.h"
#include "tools/sim/simdevice.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QTreeWidgetItem>
#include <memory>

class QLabel;
class QTimer;
class UpsTreeWidget;
class UpsTreeElement;

// The main window connected over TCP to a stand-in service on a free port, with
// the link's intervals shortened so that a test waits milliseconds, not seconds.
class PanelRig : public ServiceRig
{
public:
    PanelRig();
    ~PanelRig();
    PanelRig(const PanelRig&) = delete;
    PanelRig& operator=(const PanelRig&) = delete;

    // Listens, points the settings at the stand-in and builds the window.
    // `devices` replaces the demo world unless `demo` is set.
    bool start(const QList<LxSim::SimDevice>& devices, bool demo = false);
    bool startDemo() { return start({}, true); }

    LuminorixWindow& win() { return *window; }
    std::unique_ptr<LuminorixWindow> window;

    int requestCount(const QString& name) const { return requests(name).size(); }

    // Text of a value field or bar of the form, a label, or the status strip.
    QString fieldText(const char* name) const;
    bool fieldEnabled(const char* name) const;
    int barValue(const char* name) const;
    QString labelText(const char* name) const;
    QLabel* label(const char* name) const;
    QWidget* widget(const char* name) const;

    // The window's parts, found by object name.
    UpsTreeWidget* tree() const;
    Luminorix::UpsSocketController* controller() const;
    QTimer* timer(const char* name) const;
    // The record of the selected tree element: the device the window shows.
    Luminorix::Utils::Ups currentDevice() const;
    // Whether the window is in administrator mode: only then can one log out.
    bool administrator() const;
    // Logs in with the stand-in's password, as the login dialog does.
    void logIn();

    UpsTreeElement* topLevel(int i) const;
    // The element (at any depth) showing `text`, or null.
    UpsTreeElement* elementByText(const QString& text) const;
    UpsTreeElement* elementById(const QString& id) const;
    QStringList topLevelTexts() const;

    static LxSim::SimDevice device(const QString& id, const QString& model, const QString& name = QString());
};

// Whether the item's icon is the state indicator `file` (e.g. "green.png").
bool hasIndicator(const QTreeWidgetItem* item, const QString& file);
