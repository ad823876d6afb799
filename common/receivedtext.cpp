#include "receivedtext.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>
#include <QVariant>

namespace ReceivedText {

namespace {
// What the editor was given and what it showed of it, kept with the editor.
const char* const kReceived = "lxReceivedText";
const char* const kShown = "lxShownText";

void keep(QWidget* edit, const QString& received, const QString& shown)
{
    edit->setProperty(kReceived, received);
    edit->setProperty(kShown, shown);
}

QString given(const QWidget* edit, const QString& now)
{
    const QVariant shown = edit->property(kShown);
    return shown.isValid() && shown.toString() == now ? edit->property(kReceived).toString() : now;
}
} // namespace

void show(QPlainTextEdit* edit, const QString& text, const ShownText::Limits& limits)
{
    bool cut = false;
    edit->setPlainText(ShownText::bounded(text, limits, &cut));
    edit->setReadOnly(cut);
    keep(edit, text, edit->toPlainText());
}

void show(QLineEdit* edit, const QString& text)
{
    bool cut = false;
    edit->setText(ShownText::bounded(text, ShownText::line, &cut));
    edit->setReadOnly(cut);
    keep(edit, text, edit->text());
}

QString of(const QPlainTextEdit* edit)
{
    return given(edit, edit->toPlainText());
}

QString of(const QLineEdit* edit)
{
    return given(edit, edit->text());
}

void append(QTextEdit* view, const QString& text)
{
    // As plain text: the service's texts are never markup.
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    if (!view->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(ShownText::bounded(text, ShownText::editor));
}

} // namespace ReceivedText
