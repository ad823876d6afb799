#pragma once

#include "simworld.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace LxSim {

// The scripted misbehaviour of a manual run (luminorix-sim --fail, --delay,
// --vc-hosts): refused requests, late answers and host lists of a chosen
// size, read from their command-line texts.
class SimScript
{
public:
    // What a refused request reports when --fail names no text.
    static const QString defaultFailure;

    // "REQUEST" or "REQUEST=TEXT"; REQUEST any request the world answers.
    static bool parseFail(const QString& text, QString* request, QString* errorText);
    // How each request is refused, for --help: the requests of each form.
    static QString refusalForms();
    // "REQUEST=MS"; REQUEST any request the world answers, MS 0 or more.
    static bool parseDelay(const QString& text, QString* request, int* ms);
    // "N×M" or "NxM": N hosts of type 1 with M machines each.
    static bool parseHostGrid(const QString& text, int* hosts, int* machines);
    // Hosts 1..`hosts`, each with machines 1..`machines` powered on.
    static QList<SimWorld::VcHost> hostGrid(int hosts, int machines);

    // Applies every option to `world`; an empty grid text keeps the world's
    // hosts. Returns what is wrong with the first bad option, or an empty text.
    static QString apply(SimWorld& world, const QStringList& fails, const QStringList& delays,
                         const QString& hostGridText);
};

} // namespace LxSim
