#pragma once

#include <QObject>
#include <QString>

namespace Luminorix {

// One run of the converter on config.ini in its directory.
class Runner : public QObject
{
    Q_OBJECT

public:
    // What the stored version asks for.
    enum class Route
    {
        Current,   // this release: nothing to do
        Stamp,     // later 2.3 to 2.5 releases: only the version stamp
        RtEvents,  // "2.3.5"
        Events232, // "2.3.2"
        Events231, // "2.3.1"
        Events230, // "2.3.0"
        Full,      // no version, or one before 2.3.0: the old layout
        Newer,     // a later release: refused
        Unknown    // not a version, or no release this program knows: refused
    };

    explicit Runner(QObject* parent = nullptr);

    void setLanguage(const QString& word) { language = word; }
    // The folder of config.ini; the program's own folder when empty.
    void setDirectory(const QString& path) { directory = path; }

    static Route routeFor(const QString& version);

    // Converts and returns the exit code; failures are reported on stderr.
    int convert();

public slots:
    void run();

private:
    QString language;
    QString directory;
};

} // namespace Luminorix
