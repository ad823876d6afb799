// Condition texts come from the administrator's typing and, as postfix, from
// the service: arbitrary bytes through spacing, parsing, printing and back.
#include "panel/events/conditiontext.h"
#include "panel/events/expressiongrammar.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace {

// True when no token of the tree holds an operator character, a comma or a
// bracket: the operands the dialog's check lets through.
bool plainOperands(const ast::expression_ast& node)
{
    if (const auto* token = boost::get<std::string>(&node.expr))
        return token->find_first_of("<>=!&|,()") == std::string::npos;
    if (const auto* binary = boost::get<ast::boxed<ast::binary_op>>(&node.expr))
        return plainOperands(binary->get()->left) && plainOperands(binary->get()->right);
    return true;
}

} // namespace

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
    ast::expression_ast tree;
    if (!ast::expression_grammar().parse(ConditionText::spaceOperators(text).toStdString(), tree))
        abort();
    if (plainOperands(tree)) {
        QString again;
        if (!ConditionText::infixToPostfix(ConditionText::postfixToInfix(postfix, operators), again) ||
            again != postfix)
            abort();
    }
    return 0;
}
