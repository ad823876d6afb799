#pragma once

class QWidget;

// A form placed by hand is drawn for one font. When the font in use is larger, the
// layout in `holder` needs more width than the form gave it: the holder widens by
// what is missing, siblings of the same place and width widen with it, and those to
// its right move along. Returns the width added (0 when the holder has the room).
int widenToText(QWidget* holder);

// The same for a holder placed directly in `window`, which grows by as much,
// keeping a fixed size fixed.
void widenWindowToText(QWidget* window, QWidget* holder);
