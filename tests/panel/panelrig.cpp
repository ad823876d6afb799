#include "panelrig.h"

#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/upstreeelement.h"
#include "panel/upstreewidget.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidgetItemIterator>

PanelRig::PanelRig()
{
    // Each test starts from the first-start settings.
    QFile::remove(LocalSettings::filePath());
}

PanelRig::~PanelRig()
{
    window.reset();
}

bool PanelRig::start(const QList<LxSim::SimDevice>& devices, bool demo)
{
    if (demo)
        world.loadDemo();
    else
        world.setDevices(devices);
    if (!listen())
        return false;
    LocalSettings().setServerAddress(QStringLiteral("127.0.0.1"));
    window = std::make_unique<LuminorixWindow>();
    // The first attempt waits for the event loop, so the port can still change here.
    attach(*controller(), shortTiming());
    return true;
}

QWidget* PanelRig::widget(const char* name) const
{
    return window->findChild<QWidget*>(QLatin1String(name));
}

QString PanelRig::fieldText(const char* name) const
{
    QWidget* w = widget(name);
    if (!w)
        return QStringLiteral("<no %1>").arg(QLatin1String(name));
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* edit = w->findChild<QLineEdit*>(QStringLiteral("lineEdit")))
        return edit->text();
    if (auto* bar = w->findChild<QProgressBar*>(QStringLiteral("progressBar")))
        return bar->text();
    return QString();
}

bool PanelRig::fieldEnabled(const char* name) const
{
    QWidget* w = widget(name);
    if (auto* edit = w->findChild<QLineEdit*>(QStringLiteral("lineEdit")))
        return edit->isEnabled();
    if (auto* bar = w->findChild<QProgressBar*>(QStringLiteral("progressBar")))
        return bar->isEnabled();
    return w->isEnabled();
}

int PanelRig::barValue(const char* name) const
{
    auto* bar = widget(name)->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    return bar ? bar->value() : -1;
}

QLabel* PanelRig::label(const char* name) const
{
    return window->findChild<QLabel*>(QLatin1String(name));
}

QString PanelRig::labelText(const char* name) const
{
    QLabel* l = label(name);
    return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

UpsTreeWidget* PanelRig::tree() const
{
    return window->findChild<UpsTreeWidget*>(QStringLiteral("upsTree"));
}

Luminorix::UpsSocketController* PanelRig::controller() const
{
    return window->findChild<Luminorix::UpsSocketController*>(QStringLiteral("controller"));
}

QTimer* PanelRig::timer(const char* name) const
{
    return window->findChild<QTimer*>(QLatin1String(name));
}

Luminorix::Utils::Ups PanelRig::currentDevice() const
{
    const UpsTreeElement* element = tree()->currentElement();
    return element ? element->ups : Luminorix::Utils::Ups();
}

bool PanelRig::administrator() const
{
    return window->findChild<QAction*>(QStringLiteral("actionLogout"))->isEnabled();
}

void PanelRig::logIn()
{
    controller()->setPassword(world.adminDigest());
    window->enableAdministratorButtons();
}

UpsTreeElement* PanelRig::topLevel(int i) const
{
    return static_cast<UpsTreeElement*>(tree()->topLevelItem(i));
}

UpsTreeElement* PanelRig::elementByText(const QString& text) const
{
    for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
        if ((*it)->text(0) == text)
            return static_cast<UpsTreeElement*>(*it);
    }
    return nullptr;
}

UpsTreeElement* PanelRig::elementById(const QString& id) const
{
    for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
        auto* element = static_cast<UpsTreeElement*>(*it);
        if (element->ups.id == id)
            return element;
    }
    return nullptr;
}

QStringList PanelRig::topLevelTexts() const
{
    QStringList texts;
    for (int i = 0; i < tree()->topLevelItemCount(); ++i)
        texts.append(tree()->topLevelItem(i)->text(0));
    return texts;
}

LxSim::SimDevice PanelRig::device(const QString& id, const QString& model, const QString& name)
{
    LxSim::SimDevice d;
    d.id = id;
    d.model_name = model;
    d.user_defined_name = name;
    return d;
}

bool hasIndicator(const QTreeWidgetItem* item, const QString& file)
{
    const QIcon expected(QStringLiteral(":/indicators/images/indicators/") + file);
    const QImage want = expected.pixmap(16, 16).toImage();
    const QImage have = item->icon(0).pixmap(16, 16).toImage();
    return !want.isNull() && want == have;
}
