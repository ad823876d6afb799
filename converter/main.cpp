#include "programversion.h"
#include "runner.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QTranslator>
#include <cerrno>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QLatin1String(programVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr(
        "Program do konwersji pliku konfiguracyjnego config.ini. Konwersja pliku konfiguracyjnego jest "
        "konieczna po zakończonym procesie aktualizacji Luminorix. W systemach Windows program cfgshifter "
        "jest uruchamiany automatycznie przez instalator. W przypadku systemów Linux po zaktualizowaniu "
        "Luminorix program cfgshifter musi być uruchomiony przez użytkownika."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("language"),
        QObject::tr(
            "Wersja językowa oprogramowania Luminorix Professional. Dopuszczalne wartości: polish, english"),
        QString());
    parser.process(app);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2)
        parser.showHelp(1);

    const QString configPath = QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini");
    if (!QFileInfo::exists(configPath)) {
        QString line = QObject::tr("Nie wykryto pliku config.ini");
        const QFileInfo link(configPath);
        if (link.isSymLink()) {
#ifdef Q_OS_UNIX
            struct stat info;
            const int reason = ::stat(QFile::encodeName(configPath).constData(), &info) == 0 ? 0 : errno;
#else
            const int reason = ENOENT;
#endif
            line = QObject::tr("Nie wykryto pliku config.ini: dowiązanie wskazuje na %1: %2")
                       .arg(QDir::toNativeSeparators(link.symLinkTarget()), qt_error_string(reason));
        }
        std::fputs(line.toUtf8().constData(), stdout);
        return 1;
    }

    const QString word = arguments.at(1);
    QString locale;
    if (word == QLatin1String("polish"))
        locale = QStringLiteral("pl");
    else if (word == QLatin1String("english"))
        locale = QStringLiteral("en_US");
    else
        parser.showHelp(1);

    Luminorix::Runner runner;
    runner.setLanguage(word);

    // There is no Polish file: the source texts are Polish.
    QTranslator translator;
    if (translator.load(QStringLiteral("luminorix_") + locale, QStringLiteral(":/translation/")))
        QCoreApplication::installTranslator(&translator);

    QTimer::singleShot(0, &runner, SLOT(run()));
    return QCoreApplication::exec();
}
