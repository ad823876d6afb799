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

template <typename Edit, typename Set, typename Get>
void showIn(Edit* edit, const QString& text, const ShownText::Limits& limits, Set set, Get get)
{
    bool cut = false;
    const QString shown = ShownText::bounded(text, limits, &cut);
    keep(edit, text, shown);
    edit->setReadOnly(cut);
    set(edit, shown);
    // As the editor reads it back.
    edit->setProperty(kShown, get(edit));
}

void show(QPlainTextEdit* edit, const QString& text, const ShownText::Limits& limits)
{
    showIn(
        edit, text, limits, [](QPlainTextEdit* e, const QString& t) { e->setPlainText(t); },
        [](const QPlainTextEdit* e) { return e->toPlainText(); });
}

void show(QTextEdit* edit, const QString& text)
{
    showIn(
        edit, text, ShownText::editor, [](QTextEdit* e, const QString& t) { e->setPlainText(t); },
        [](const QTextEdit* e) { return e->toPlainText(); });
}

void show(QLineEdit* edit, const QString& text)
{
    showIn(
        edit, text, ShownText::line, [](QLineEdit* e, const QString& t) { e->setText(t); },
        [](const QLineEdit* e) { return e->text(); });
}

QString of(const QPlainTextEdit* edit)
{
    return given(edit, edit->toPlainText());
}

QString of(const QTextEdit* edit)
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
