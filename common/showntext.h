#pragma once

#include <QString>

// How much of a text the service sent is shown. Laying out text costs far more
// than linear time in the length of a line, and every line and character costs
// memory in the widget: a hostile reply within the frame bound (one line of
// mebibytes, or millions of short lines) would block the panel. What is shown
// is bounded; whoever keeps the text keeps it whole. No widgets.
namespace ShownText {

struct Limits
{
    int lineLength; // characters of one line
    int lines;
    int length; // characters in all, line breaks included
};

// An editor of several lines (an event's message, a mail's body).
constexpr Limits editor{1024, 2000, 64 * 1024};
// A line edit: one line, long enough for a list of addresses.
constexpr Limits line{8192, 1, 8192};
// A message box, which grows with its text.
constexpr Limits box{1024, 30, 4096};

// `text` within `limits`: each line cut to its length, then as many lines as fit.
// `shortened` tells whether anything was left out.
QString bounded(const QString& text, const Limits& limits, bool* shortened = nullptr);

} // namespace ShownText
