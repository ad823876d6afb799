#include "expressiongrammar.h"

#include <boost/phoenix/core.hpp>
#include <boost/phoenix/function.hpp>
#include <boost/phoenix/operator.hpp>
#include <utility>

namespace ast {

namespace {

// Turns a level's value so far into the left operand of the next operator.
struct fold_left
{
    using result_type = void;

    void operator()(expression_ast& value, const char* op, expression_ast& right) const
    {
        value = expression_ast(binary_op(op, std::move(value), std::move(right)));
    }
};

// A level's first operand becomes its value; moved, as a copy would copy the
// whole subtree once per level.
struct take
{
    using result_type = void;

    void operator()(expression_ast& value, expression_ast& operand) const { value = std::move(operand); }
    void operator()(expression_ast& value, std::string& token) const
    {
        value = expression_ast(std::move(token));
    }
};

const boost::phoenix::function<fold_left> fold;
const boost::phoenix::function<take> first;

} // namespace

space_skipper::space_skipper() : space_skipper::base_type(start)
{
    start = qi::standard::char_(" \t\n\v\f\r");
}

expression_grammar::expression_grammar() : expression_grammar::base_type(or_expr)
{
    using qi::_1;
    using qi::_val;
    using qi::lit;

    // "<" and ">" as single characters, the others as two-character strings.
    // A level that met an operator without an operand gives the operator back
    // (the kleene star undoes the failed pair) and ends before it.
    or_expr = and_expr[first(_val, _1)] >> *(lit("||") >> and_expr[fold(_val, "||", _1)]);
    and_expr = lt_expr[first(_val, _1)] >> *(lit("&&") >> lt_expr[fold(_val, "&&", _1)]);
    lt_expr = le_expr[first(_val, _1)] >> *(lit('<') >> le_expr[fold(_val, "<", _1)]);
    le_expr = gt_expr[first(_val, _1)] >> *(lit("<=") >> gt_expr[fold(_val, "<=", _1)]);
    gt_expr = ge_expr[first(_val, _1)] >> *(lit('>') >> ge_expr[fold(_val, ">", _1)]);
    ge_expr = eq_expr[first(_val, _1)] >> *(lit(">=") >> eq_expr[fold(_val, ">=", _1)]);
    eq_expr = ne_expr[first(_val, _1)] >> *(lit("==") >> ne_expr[fold(_val, "==", _1)]);
    ne_expr = primary[first(_val, _1)] >> *(lit("!=") >> primary[fold(_val, "!=", _1)]);
    // A parenthesised condition yields its inner tree itself, with no wrapper.
    primary = token[first(_val, _1)] | (lit('(') >> or_expr[first(_val, _1)] >> lit(')'));
    // Printable ASCII but the parentheses; the characters stay as typed.
    token = qi::lexeme[+(qi::standard::char_('!', '~') - qi::standard::char_("()"))];
}

bool expression_grammar::parse(const std::string& text, expression_ast& tree) const
{
    text_iterator first = text.begin();
    const text_iterator last = text.end();
    const bool matched = qi::phrase_parse(first, last, *this, m_space, tree);
    return matched && first == last;
}

} // namespace ast
