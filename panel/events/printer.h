#pragma once

#include "expressionast.h"

#include <boost/variant/static_visitor.hpp>
#include <string>

namespace ast {

// Appends the postfix text of a tree: every item followed by one ",", each
// operator after its operands. An empty node adds nothing.
struct printer : boost::static_visitor<void>
{
    explicit printer(std::string& out);

    void operator()(const expression_ast& node) const;
    void operator()(const nil&) const;
    void operator()(const std::string& token) const;
    void operator()(const binary_op& node) const;
    void operator()(const unary_op& node) const;

    template <typename T> void operator()(const boxed<T>& node) const
    {
        if (node.get())
            (*this)(*node.get());
    }

    std::string& out;
};

} // namespace ast
