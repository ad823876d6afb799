#pragma once

#include <QRegularExpressionValidator>
#include <QString>

class QLineEdit;

// A pattern and a length limit for what the user types. A longer text that came
// from the device is kept whole, so that it goes back as received: typing may
// shorten it, never lengthen it.
class TypedLengthValidator : public QRegularExpressionValidator
{
    Q_OBJECT

public:
    // Follows `edit`'s text from now on; the edit owns the validator.
    TypedLengthValidator(const QRegularExpression& pattern, int maxLength, QLineEdit* edit);

    State validate(QString& input, int& pos) const override;

private:
    int maxLength;
    QString current; // the edit's text before the change being validated
};
