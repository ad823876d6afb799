#pragma once

#include "showntext.h"

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

// A text the service sent, in the editor that shows it. The editor shows it
// bounded (ShownText); one shown cut is read-only, since what was typed would
// replace the part never shown. While the editor still holds what it was given,
// the text goes back as it came, byte for byte, also where the editor changes
// characters of it (a no-break space reads back as a space).
namespace ReceivedText {

// Signals of the editor's change find the received text kept and the editor
// read-only already.
void show(QPlainTextEdit* edit, const QString& text, const ShownText::Limits& limits = ShownText::editor);
void show(QTextEdit* edit, const QString& text);
void show(QLineEdit* edit, const QString& text);
// What to store: the received text while untouched, else what the editor holds.
QString of(const QPlainTextEdit* edit);
QString of(const QTextEdit* edit);
QString of(const QLineEdit* edit);

// Appends a text to a read-only view, bounded like an editor's.
void append(QTextEdit* view, const QString& text);

} // namespace ReceivedText
