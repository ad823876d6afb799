#pragma once

#include <QString>
#include <QStringRef>

namespace Luminorix {

// A reply's text as a string of its own. QStringRef::toString() hands out the
// whole string behind a ref that covers it, and QXmlStreamReader's text buffer
// has room for far more than one short text: kept per record, that room would
// multiply the memory a reply takes.
inline QString ownText(const QStringRef& ref)
{
    return QString(ref.unicode(), ref.size());
}

} // namespace Luminorix
