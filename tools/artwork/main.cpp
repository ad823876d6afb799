// Draws every picture and animation of the programs into a folder and lists
// them in a resource collection file, at build time.
#include "artworkcatalogue.h"
#include "tools/writeifchanged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Fonts need a platform, but a build machine has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: " << args.value(0) << " <output folder> <qrc file>\n";
        return 2;
    }
    const QDir out(args.at(1));
    const QList<ArtworkCatalogue::Item> items = ArtworkCatalogue::items();
    for (const ArtworkCatalogue::Item& item : items) {
        const QByteArray bytes = item.render();
        if (bytes.isEmpty() || !writeIfChanged(out.filePath(item.path), bytes)) {
            err << "cannot write " << out.filePath(item.path) << "\n";
            return 1;
        }
    }
    if (!writeIfChanged(args.at(2), ArtworkCatalogue::qrc(items))) {
        err << "cannot write " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
