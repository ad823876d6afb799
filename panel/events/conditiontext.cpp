#include "conditiontext.h"

#include "expressiongrammar.h"
#include "printer.h"

#include <QVector>

namespace ConditionText {

namespace {

bool withinLimits(const std::string& text)
{
    int depth = 0;
    int operators = 0;
    for (const char c : text) {
        switch (c) {
        case '(':
            if (++depth > maxNesting)
                return false;
            break;
        case ')':
            --depth;
            break;
        case '<':
        case '>':
        case '=':
        case '!':
        case '&':
        case '|':
            if (++operators > maxOperatorCharacters)
                return false;
            break;
        default:
            break;
        }
    }
    return true;
}

} // namespace

bool withinLimits(const QString& infix)
{
    return withinLimits(infix.toStdString());
}

QString spaceOperators(const QString& infix)
{
    QString text = infix;
    // The order matters: the single "<" and ">" split the "<=" and ">=" made
    // before them, and the last two steps join those again.
    static const char* const steps[][2] = {
        {"==", " == "}, {"||", " || "}, {"&&", " && "}, {"!=", " != "},   {"<=", " <= "}, {">=", " >= "},
        {"<", " < "},   {">", " > "},   {"ON", " ON "}, {"OFF", " OFF "}, {"< =", "<="},  {"> =", ">="},
    };
    for (const auto& step : steps)
        text.replace(QLatin1String(step[0]), QLatin1String(step[1]));
    return text;
}

bool infixToPostfix(const QString& infix, QString& postfix)
{
    postfix.clear();
    const std::string text = spaceOperators(infix).toStdString();
    if (!withinLimits(text))
        return false;
    const ast::expression_grammar grammar;
    ast::expression_ast tree;
    if (!grammar.parse(text, tree))
        return false;
    std::string out;
    ast::printer print(out);
    print(tree);
    postfix = QString::fromStdString(out);
    return true;
}

QString postfixToInfix(const QString& postfix, const QStringList& operators)
{
    const QStringList items = postfix.split(QLatin1Char(','), Qt::SkipEmptyParts);
    // Taking the first operator from the start each time, as the text is read,
    // is a stack: everything before that operator is an operand.
    QStringList stack;
    for (int i = 0; i < items.size(); ++i) {
        const QString& item = items.at(i);
        if (!operators.contains(item)) {
            stack.append(item);
            continue;
        }
        if (stack.size() < 2) {
            // An operator without two operands: the rest stays as it is.
            return (stack + items.mid(i)).join(QLatin1Char(' '));
        }
        const QString right = stack.takeLast();
        const QString left = stack.takeLast();
        stack.append(QLatin1Char('(') + left + item + right + QLatin1Char(')'));
    }
    return stack.join(QLatin1Char(' '));
}

} // namespace ConditionText
