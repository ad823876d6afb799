#include "programversion.h"
#include "runner.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QLatin1String(programVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr(
        "Program do konwersji pliku konfiguracyjnego config.ini. Konwersja pliku konfiguracyjnego jest "
        "konieczna "
        "po zakonczonym procesie akutalizacji Luminorix.W systemach Windows program cfgshifter jest "
        "uruchamiany "
        "automatycznie przez instalator.W przypadku systemow Linux po zaktualizawaniu Luminorix program "
        "cfgshifter musi byc uruchomiony przez uzytkownika."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("language"),
        QObject::tr(
            "Wersja jezykowa oprogramowania Luminorix Professional. Dopuszczalne wartosci: polish, english"),
        QString());
    parser.process(app);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2)
        parser.showHelp(1);

    if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini"))) {
        std::fputs(QObject::tr("Nie wykryto pliku config.ini").toUtf8().constData(), stdout);
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
