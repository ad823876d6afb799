#pragma once

#include "common/devicestatetexts.h"
#include "common/ups.h"

#include <QMap>
#include <QString>
#include <optional>
#include <utility>

// The device whose values the window shows, and what is known of it: the last
// usable state (the seed of the dialogs that show it) and the state not yet
// drawn. Everything of the previous device is forgotten when another one is
// shown, so that no value of it appears under the new device's labels.
class ShownDevice
{
public:
    // The window now shows `ups`. True when it is another device (another id or
    // model) than before: its state is then unknown, and an empty one waits to
    // be drawn.
    bool show(const Luminorix::Utils::Ups& ups);
    // A usable state of the shown device, as the window keeps it.
    void take(const QMap<QString, QString>& state);
    // Empty until a usable state of the shown device has come.
    const QMap<QString, QString>& lastState() const { return last; }
    bool hasState() const { return !last.isEmpty(); }
    // The texts of the state not yet drawn, at most once.
    std::optional<DeviceStateTexts> takeUndrawn();
    // The device went silent: a state held back is no longer its own.
    void forgetUndrawn() { undrawn.reset(); }

private:
    std::optional<std::pair<QString, QString>> device; // id and model
    QMap<QString, QString> last;
    std::optional<QMap<QString, QString>> undrawn;
};
