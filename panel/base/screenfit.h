#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <functional>

class QWidget;

// Room a window's frame takes around its client area where the platform does not
// say (before the first show, or without a window manager).
QMargins assumedFrame();

// Makes `window` fit `available` (a screen's available geometry), frame included:
// a window larger than that is made smaller; one that cannot be made small enough,
// because its layout or its fixed size needs the room, gets its content put into a
// scroll area, its dialog buttons kept below it in sight. The window is then moved
// wholly into `available`. A window that fits is left as it is.
void fitToScreen(QWidget* window, const QRect& available, const QMargins& frame = assumedFrame());

// Fits every top-level window of the application to its screen when it is shown and
// when it grows while shown; installed on the application by the program's start.
class ScreenFit : public QObject
{
    Q_OBJECT

public:
    // Where a window may lie: by default its screen's available geometry.
    using Area = std::function<QRect(const QWidget* window)>;

    explicit ScreenFit(QObject* parent = nullptr);
    ScreenFit(Area area, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Area area;
    bool fitting = false;
};
