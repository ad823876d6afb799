#pragma once

#include "simworld.h"

#include <QPair>
#include <QString>
#include <QStringList>

namespace LxSim {

// The scene options of a manual run (luminorix-sim --scene, --status, --countdown,
// --smtp-test): read from their command-line texts and put into a world.
class SimOptions
{
public:
    // "ID=KEYWORD", e.g. "1=on_battery"; the keyword is letters, digits and '_'.
    static bool parseStatus(const QString& text, QString* id, QString* status);
    // "ID:SECONDS", e.g. "1:540": a shutdown timer id (0 or more) and its seconds (1 or more).
    static bool parseCountdown(const QString& text, QPair<int, int>* timer);
    // "success", "failure" or "silence".
    static bool parseSmtpTestOutcome(const QString& text, SimWorld::SmtpTestOutcome* outcome);
    // Puts the devices of a scene into `world`: "demo" (the demo world), "single"
    // (one UPS on mains, for measuring the panel while it polls one device) or
    // "battery" (a three-phase UPS on battery with a shutdown counting down, for
    // the picture), or "many:N" (N UPSes on mains, 1 to 10000, for measuring the
    // panel with a large site). False for any other name.
    static bool applyScene(SimWorld& world, const QString& scene);
    // Every name applyScene takes, for telling a wrong one.
    static QString sceneNames();

    // Applies every option to `world`, whose devices must be in place; the
    // countdowns replace the world's timers when any is given. Returns what is
    // wrong with the first bad option, or an empty text when all were applied.
    // On an error the world may have taken the options before the bad one.
    static QString apply(SimWorld& world, const QStringList& statuses, const QStringList& countdowns,
                         const QString& smtpTest);
};

} // namespace LxSim
