#pragma once

#include <boost/variant/variant.hpp>
#include <memory>
#include <string>
#include <utility>

// The syntax tree of an event condition. Each node owns its operands, so a
// copy is deep and a destroyed tree frees all of it.
namespace ast {

// One node held on the heap: copied deeply, moved by handing over the pointer.
// (The usual recursive wrapper allocates and moves the whole subtree again on
// every move, which made folding a long condition quadratic.) Only a
// moved-from box is empty; it is never read, only destroyed or assigned.
template <typename T> class boxed
{
public:
    boxed(T node) : m_node(std::make_unique<T>(std::move(node))) {}
    boxed(const boxed& other) : m_node(other.m_node ? std::make_unique<T>(*other.m_node) : nullptr) {}
    boxed(boxed&&) noexcept = default;
    boxed& operator=(const boxed& other)
    {
        boxed copy(other);
        m_node.swap(copy.m_node);
        return *this;
    }
    boxed& operator=(boxed&&) noexcept = default;
    ~boxed() = default;

    const T* get() const { return m_node.get(); }
    T* get() { return m_node.get(); }

private:
    std::unique_ptr<T> m_node;
};

struct nil
{
};

struct binary_op;
struct unary_op;

struct expression_ast
{
    // The order of the alternatives is part of the tree's meaning (which() tells
    // them apart): empty, token, nested, binary, unary.
    using type = boost::variant<nil, std::string, boxed<expression_ast>, boxed<binary_op>, boxed<unary_op>>;

    expression_ast() = default;
    expression_ast(std::string token);
    expression_ast(binary_op node);
    expression_ast(unary_op node);
    // A node that only wraps `inner`.
    static expression_ast nested(expression_ast inner);

    type expr;
};

struct binary_op
{
    binary_op(std::string op, expression_ast left, expression_ast right);

    std::string op;
    expression_ast left;
    expression_ast right;
};

struct unary_op
{
    unary_op(std::string op, expression_ast subject);

    std::string op;
    expression_ast subject;
};

} // namespace ast
