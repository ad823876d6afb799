#include "strictmessages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <QtTest>

namespace {
QtMessageHandler previousHandler = nullptr;

bool isFatalWarning(const QString& msg)
{
    // Qt's own tray icon connects to a signal the offscreen platform lacks.
    if (msg.contains(QLatin1String("QPlatformNativeInterface::systemTrayWindowChanged")))
        return false;
    static const char* const patterns[] = {
        "QObject::connect", // No such signal / slot, unregistered types, null sender
        "No such signal",
        "No such slot",
        "QMetaObject::connectSlotsByName",
        "QMetaObject::invokeMethod: No such method",
        "Cannot queue arguments of type",
        "QObject::disconnect: Unexpected",
        // A reconnect tick that reached a socket still busy with an attempt.
        "connectToHost() called when already",
    };
    for (const char* p : patterns) {
        if (msg.contains(QLatin1String(p)))
            return true;
    }
    return false;
}

void strictHandler(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (previousHandler)
        previousHandler(type, context, msg);
    if (type != QtDebugMsg && type != QtInfoMsg && isFatalWarning(msg) && QTest::currentTestFunction())
        QTest::qFail(qPrintable(QStringLiteral("Qt warned: ") + msg), context.file ? context.file : __FILE__,
                     context.line);
}
} // namespace

void LxTest::installStrictMessageHandler()
{
    previousHandler = qInstallMessageHandler(strictHandler);
}

int LxTest::runTests(QObject* testObject, int argc, char** argv)
{
    QTest::qInit(testObject, argc, argv);
    installStrictMessageHandler();
    const int result = QTest::qRun();
    QTest::qCleanup();
    return result;
}
