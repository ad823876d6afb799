// Condition texts come from the administrator's typing and, as postfix, from
// the service: arbitrary bytes through spacing, parsing, printing and back.
#include "events/conditiontext.h"

#include <QRegularExpression>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QStringList operators = {"==", "!=", "<", "<=", ">", ">=", "||", "&&", "( )"};
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));

    if (ConditionText::spaceOperators(text).size() < text.size())
        abort();

    // Read as a stored postfix text: it must end, and it never grows by more
    // than its brackets.
    const QString infix = ConditionText::postfixToInfix(text, operators);
    if (infix.size() > 2 * text.size())
        abort();

    QString postfix;
    if (!ConditionText::infixToPostfix(text, postfix)) {
        if (!postfix.isEmpty())
            abort();
        return 0;
    }
    if (postfix.isEmpty() || !postfix.endsWith(QLatin1Char(',')) || postfix.contains(QLatin1Char(' ')))
        abort();

    // Operands free of operator characters (what the dialog lets through) come
    // back unchanged from the way to infix and the parse again.
    static const QRegularExpression plainItems(
        QStringLiteral("^([^,<>=!&|()]+,|(==|!=|<|<=|>|>=|\\|\\||&&),)+$"));
    if (plainItems.match(postfix).hasMatch()) {
        QString again;
        if (!ConditionText::infixToPostfix(ConditionText::postfixToInfix(postfix, operators), again) ||
            again != postfix)
            abort();
    }
    return 0;
}
