#pragma once

#include <QImage>

// Column heading pictures of the action editors: one per kind of action.
class HeaderPainter
{
public:
    enum class Kind
    {
        Message,
        SystemCommand,
        SendMail,
        PowerOff,
        OutputSocket
    };

    static QImage paint(Kind kind, int size);
};
