#include "printer.h"

#include <boost/variant/apply_visitor.hpp>

namespace ast {

printer::printer(std::string& out) : out(out) {}

void printer::operator()(const expression_ast& node) const
{
    boost::apply_visitor(*this, node.expr);
}

void printer::operator()(const nil&) const {}

void printer::operator()(const std::string& token) const
{
    out += token;
    out += ',';
}

void printer::operator()(const binary_op& node) const
{
    (*this)(node.left);
    (*this)(node.right);
    out += node.op;
    out += ',';
}

void printer::operator()(const unary_op& node) const
{
    (*this)(node.subject);
    out += node.op;
    out += ',';
}

} // namespace ast
