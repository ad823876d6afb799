#pragma once

#include <QSize>

class QWidget;

// A form placed by hand is drawn for one font. When the font in use is larger, the
// layout in `holder` needs more room than the form gave it: the holder grows by
// what is missing, siblings of the same place and width widen with it, those to
// its right or below move along. Returns the room added (nothing when it fits).
// `Least` grows only by what the layout cannot do without, so that a form keeps its
// drawn size wherever its fields may give up room to their labels.
enum class TextRoom
{
    Wanted,
    Least
};

QSize growToText(QWidget* holder, TextRoom room = TextRoom::Wanted);

// The same for a holder placed directly in `window`, which grows by as much,
// keeping a fixed size fixed.
void growWindowToText(QWidget* window, QWidget* holder, TextRoom room = TextRoom::Wanted);
