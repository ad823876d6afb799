#pragma once

#include "expressionast.h"

#include <boost/spirit/include/qi.hpp>
#include <string>

namespace ast {

namespace qi = boost::spirit::qi;

using text_iterator = std::string::const_iterator;

// ASCII white space only: a byte above 0x7F is neither space nor token.
struct space_skipper : qi::grammar<text_iterator>
{
    space_skipper();

    qi::rule<text_iterator> start;
};

// The infix condition language: eight left-associative binary operators on a
// level each, loosest first, over tokens and parentheses. Operators are only
// seen where a token has ended, so the caller spaces them first (spaceOperators).
struct expression_grammar : qi::grammar<text_iterator, expression_ast(), space_skipper>
{
    expression_grammar();

    // True when the whole of `text` (spaces around it aside) is one condition.
    bool parse(const std::string& text, expression_ast& tree) const;

    using rule = qi::rule<text_iterator, expression_ast(), space_skipper>;
    rule or_expr, and_expr, lt_expr, le_expr, gt_expr, ge_expr, eq_expr, ne_expr, primary;
    qi::rule<text_iterator, std::string()> token;

private:
    space_skipper m_space;
};

} // namespace ast
