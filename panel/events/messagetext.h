#pragma once

#include <QString>

// The message of an event as the editor shows it. A line of hundreds of
// kilobytes costs the text layout far more than linear time, so each line is
// cut for display; the whole text is kept for saving. No widgets.
namespace MessageText {

// Longer lines are shown cut to this many characters.
constexpr int maxShownLineLength = 1024;

// `text` with every line (up to "\n") cut to `maxShownLineLength`; sets
// `shortened` when any was.
QString shownForEditing(const QString& text, bool* shortened = nullptr);

} // namespace MessageText
