#include "typedlengthvalidator.h"

#include <QLineEdit>

TypedLengthValidator::TypedLengthValidator(const QRegularExpression& pattern, int maxLength, QLineEdit* edit)
    : QRegularExpressionValidator(pattern, edit), maxLength(maxLength), current(edit->text())
{
    // The edit asks before it takes a change, so the text it had is kept here.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { current = text; });
}

QValidator::State TypedLengthValidator::validate(QString& input, int& pos) const
{
    if (input.size() > maxLength && input.size() > current.size())
        return Invalid;
    return QRegularExpressionValidator::validate(input, pos);
}
