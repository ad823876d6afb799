#include "showndevice.h"

bool ShownDevice::show(const Luminorix::Utils::Ups& ups)
{
    const std::pair<QString, QString> shown{ups.id, ups.model_name};
    if (device == shown)
        return false;
    device = shown;
    last.clear();
    undrawn.emplace();
    return true;
}

void ShownDevice::take(const QMap<QString, QString>& state)
{
    last = state;
    undrawn = state;
}

std::optional<DeviceStateTexts> ShownDevice::takeUndrawn()
{
    if (!undrawn)
        return std::nullopt;
    // Worked out when drawn: the texts follow the shown model.
    const DeviceStateTexts texts = DeviceStateTexts::fromState(*undrawn, device ? device->second : QString());
    undrawn.reset();
    return texts;
}
