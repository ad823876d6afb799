#pragma once

class LuminorixWindow;

// What the desktop asks of the program when the user's session ends, whatever the
// platform says it with (a Windows session message, a session-manager request, a
// termination signal).
enum class SessionMessage
{
    QueryEnd, // may the session end?
    End,      // the session ends now
    Other
};

struct SessionAnswer
{
    bool answered = false; // false: leave the platform's result as it is
    long result = 0;       // 1: the session may end
};

// The panel never holds a session up: asked whether it may end, it brings the
// window back on screen, then leaves the event loop.
SessionAnswer answerSessionMessage(SessionMessage message, LuminorixWindow* window);
