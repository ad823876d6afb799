// Decodes a large reply and then a changed one through the last reply's text:
// each text must be the one a whole decoding gives. The input's first half,
// repeated past the size where the last text is kept, is the first reply; its
// second half goes into it at a place the first two bytes choose, replacing up
// to the third byte's count of bytes.
#include "cipher/lastreplytext.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data) + 3, int(size - 3));
    const QByteArray head = input.left(input.size() / 2);
    const QByteArray tail = input.mid(input.size() / 2);
    QByteArray first;
    while (first.size() <= LastReplyText::kMinSize)
        first += head.isEmpty() ? QByteArray("<a>") : head;
    QByteArray next = first;
    const int at = int((uint(data[0]) << 8 | data[1]) * uint(first.size()) / 65536u);
    next.replace(at, std::min(int(data[2]), next.size() - at), tail);

    LastReplyText last;
    for (const QByteArray* reply : {&first, &next, &first}) {
        if (last.decode(*reply) != QString::fromUtf8(reply->constData(), reply->size())) {
            std::fprintf(stderr, "reply_text: the text differs from a whole decoding\n");
            std::abort();
        }
    }
    return 0;
}
