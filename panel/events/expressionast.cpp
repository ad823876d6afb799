#include "expressionast.h"

namespace ast {

expression_ast::expression_ast(std::string token) : expr(std::move(token)) {}

expression_ast::expression_ast(binary_op node) : expr(boxed<binary_op>(std::move(node))) {}

expression_ast::expression_ast(unary_op node) : expr(boxed<unary_op>(std::move(node))) {}

expression_ast expression_ast::nested(expression_ast inner)
{
    expression_ast node;
    node.expr = boxed<expression_ast>(std::move(inner));
    return node;
}

binary_op::binary_op(std::string op, expression_ast left, expression_ast right)
    : op(std::move(op)), left(std::move(left)), right(std::move(right))
{
}

unary_op::unary_op(std::string op, expression_ast subject) : op(std::move(op)), subject(std::move(subject)) {}

} // namespace ast
