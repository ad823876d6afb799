#include "panelstartup.h"

#include "common/localsettings.h"
#include "endofsession.h"
#include "luminorixwindow.h"
#include "nativeeventfilter.h"
#include "panel/base/screenfit.h"
#include "panel/core/unixsignalwatcher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QSessionManager>
#include <QSplashScreen>
#include <QStyleFactory>
#include <QTextCodec>
#include <QTimer>
#include <QTranslator>

QString translationCode(const QString& languageSetting)
{
    if (languageSetting == QLatin1String("polish"))
        return QStringLiteral("pl");
    if (languageSetting == QLatin1String("english"))
        return QStringLiteral("en_US");
    if (languageSetting == QLatin1String("chech"))
        return QStringLiteral("cs");
    if (languageSetting == QLatin1String("slovak"))
        return QStringLiteral("sk");
    return QLocale::system().name();
}

void installTranslators(const QString& code, QTranslator& qtTranslator, QTranslator& ownTranslator)
{
    const QString directory = QStringLiteral(":/translation/");
    // No shortening of the name: "en_US" must not fall back to some other file.
    const QString noDelimiters = QLatin1String("");
    qtTranslator.load(QStringLiteral("qt_") + code, directory, noDelimiters);
    ownTranslator.load(QStringLiteral("luminorix_") + code, directory, noDelimiters);
    QCoreApplication::installTranslator(&qtTranslator);
    QCoreApplication::installTranslator(&ownTranslator);
}

void applyStyleSheet(QApplication& application)
{
    QFile file(QStringLiteral(":/styles/global.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    application.setStyleSheet(QString::fromLatin1(bytes));
}

bool startsHidden(const QStringList& arguments)
{
    return arguments.size() == 2 && arguments.at(1) == QLatin1String("--hide");
}

int runControlPanel(int& argc, char** argv)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The panel draws no OpenGL; without this the X11 platform loads the GL driver
    // (with a software renderer, tens of megabytes) only to find that out.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
#endif
    QApplication application(argc, argv);
    // Installed first, so that a termination during start-up is not lost: it is
    // remembered until the event loop runs, since quitting before exec() has no effect.
    UnixSignalWatcher signalWatcher;
    LuminorixWindow* liveWindow = nullptr;
    bool loopRunning = false;
    bool terminationPending = false;
    const auto endSession = [&liveWindow]() { answerSessionMessage(SessionMessage::QueryEnd, liveWindow); };
    const auto onTermination = [&]() {
        if (loopRunning && liveWindow) {
            endSession();
            return;
        }
        terminationPending = true;
        // A modal loop may already run before the main one (the first model list can ask
        // its question while the splash screen waits for the window): leave it now, so
        // that start-up reaches the main loop, which then ends the session.
        QCoreApplication::exit(0);
    };
    QObject::connect(&signalWatcher, &UnixSignalWatcher::terminationRequested, onTermination);

    QSplashScreen splash(QPixmap(QStringLiteral(":/images/images/splashscreen.png")));
    splash.show();
    QDir::setCurrent(QDir(QCoreApplication::applicationDirPath()).absolutePath());
    applyStyleSheet(application);
    // No window opens larger than its screen, however long its texts and data.
    ScreenFit screenFit;
    application.installEventFilter(&screenFit);

    QTranslator qtTranslator;
    QTranslator ownTranslator;
    installTranslators(translationCode(LocalSettings().language()), qtTranslator, ownTranslator);

    LuminorixWindow window;
    if (window.isSecondInstance())
        return 1;

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool hidden = startsHidden(arguments);
    if (hidden)
        window.startHidden();
    else
        window.show();
    // Waiting for a window that is not going to appear would only delay the start.
    splash.finish(hidden ? nullptr : &window);

    liveWindow = &window;
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window, onTermination);
    // Runs as the first thing inside exec().
    QTimer::singleShot(0, &window, [&]() {
        loopRunning = true;
        if (terminationPending)
            endSession();
    });
#ifdef Q_OS_WIN
    NativeEventFilter filter(&window);
    application.installNativeEventFilter(&filter);
#endif
    return application.exec();
}
