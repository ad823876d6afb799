#pragma once

#include <QString>

// The shape every reply must keep before any XML reader sees it. Within these
// bounds QXmlStreamReader and our readers take time linear in the text and
// memory bounded by a small multiple of it; beyond them some of its steps
// grow with the square of the input (the duplicate check of attributes, the
// search of namespace prefixes through every enclosing element) or expand
// short input many times over (entities declared in a document type).
namespace Luminorix {

// The deepest reply of the protocol nests five elements; a service may nest
// its parameters as a chain, one level each, and a configuration holds close
// to two hundred of them.
constexpr int kMaxReplyDepth = 1024;
// Only the device state carries attributes, two of them.
constexpr int kMaxReplyAttributes = 16;

// False when `text` nests elements deeper than kMaxReplyDepth, gives an element
// more than kMaxReplyAttributes attributes, declares a document type or uses a
// namespace prefix. One pass over the text and no allocation; it checks
// nothing else, so the reader still meets every other fault itself.
bool withinReplyBounds(const QString& text);

} // namespace Luminorix
