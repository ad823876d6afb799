#pragma once

#include <QString>

// Display text of a device state keyword; an unknown keyword comes back as it is.
QString upsStateText(const QString& keyword);

// Display text of an event code ("0" to "209" or "no_communication"); any
// other text reads as "Tryb pracy - " followed by its state text.
QString upsEventText(const QString& code);
