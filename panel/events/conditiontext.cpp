#include "conditiontext.h"

#include "expressiongrammar.h"
#include "printer.h"

#include <QVector>
#include <vector>

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
    // is a stack: everything before that operator is an operand. The operands are
    // kept as a tree and written out once: joining the texts at each operator
    // copied the longer one again, the square of a long condition's length.
    struct Node
    {
        int item;
        int left = -1;
        int right = -1;
    };
    std::vector<Node> nodes;
    nodes.reserve(size_t(items.size()));
    std::vector<int> stack;
    const auto write = [&nodes, &items](int root, QString& out) {
        // (node, next part: 0 its "(" and left, 1 its operator and right, 2 its ")")
        std::vector<std::pair<int, int>> todo{{root, 0}};
        while (!todo.empty()) {
            auto& [node, part] = todo.back();
            const Node& n = nodes.at(size_t(node));
            if (n.left < 0) {
                out += items.at(n.item);
                todo.pop_back();
            } else if (part == 0) {
                out += QLatin1Char('(');
                part = 1;
                todo.emplace_back(n.left, 0);
            } else if (part == 1) {
                out += items.at(n.item);
                part = 2;
                todo.emplace_back(n.right, 0);
            } else {
                out += QLatin1Char(')');
                todo.pop_back();
            }
        }
    };
    const auto joined = [&](int restFrom) {
        QString out;
        out.reserve(postfix.size() + 2 * items.size());
        for (size_t k = 0; k < stack.size(); ++k) {
            if (k > 0)
                out += QLatin1Char(' ');
            write(stack.at(k), out);
        }
        for (int k = restFrom; k < items.size(); ++k) {
            if (!out.isEmpty() || k > restFrom)
                out += QLatin1Char(' ');
            out += items.at(k);
        }
        return out;
    };
    for (int i = 0; i < items.size(); ++i) {
        if (!operators.contains(items.at(i))) {
            nodes.push_back({i});
            stack.push_back(int(nodes.size()) - 1);
            continue;
        }
        // An operator without two operands: the rest stays as it is.
        if (stack.size() < 2)
            return joined(i);
        const int right = stack.back();
        stack.pop_back();
        const int left = stack.back();
        stack.pop_back();
        nodes.push_back({i, left, right});
        stack.push_back(int(nodes.size()) - 1);
    }
    return joined(items.size());
}

} // namespace ConditionText
