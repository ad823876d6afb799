#pragma once

#include <QString>
#include <QStringList>

// The event condition texts between their two forms: the infix form the
// administrator writes and the comma-terminated postfix form the service
// evaluates. No widgets, no state between calls.
namespace ConditionText {

// Surrounds each operator, "ON" and "OFF" with spaces, so the grammar (which
// sees operators only where a token has ended) finds them.
QString spaceOperators(const QString& infix);

// Spaces, parses and prints one condition: true with `postfix` set, or false
// when the text is not one whole condition (postfix left empty).
bool infixToPostfix(const QString& infix, QString& postfix);

// Bracketed infix of a stored postfix text; `operators` are the item texts that
// count as operators. An ill-formed text gives back what is left of its items,
// joined by spaces, once no operator has two operands before it.
QString postfixToInfix(const QString& postfix, const QStringList& operators);

// Beyond these the text is refused like one that does not parse: the parser and
// the printer recurse once per level, and no condition made in the dialog comes near.
constexpr int maxNesting = 100;
constexpr int maxOperatorCharacters = 2000;

// Nesting and operator characters of `infix` within the two bounds above.
bool withinLimits(const QString& infix);

} // namespace ConditionText
