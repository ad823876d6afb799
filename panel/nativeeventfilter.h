#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QByteArray>

class LuminorixWindow;

// Lets the panel take part in the Windows end-of-session protocol. Never stops
// Qt's own handling of a message.
class NativeEventFilter : public QAbstractNativeEventFilter
{
public:
    explicit NativeEventFilter(LuminorixWindow* window) : window(window) {}
    ~NativeEventFilter() override = default;

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override;

private:
    LuminorixWindow* window;
};
#endif
