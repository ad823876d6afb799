#include "initext.h"

#include <QTextCodec>
#include <cstring>

namespace Converter {

QTextCodec* IniText::codecFor(const QByteArray& bytes)
{
    bool ascii = true;
    for (const char c : bytes) {
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return nullptr;
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0 ? utf8 : nullptr;
}

int IniText::firstDamagedLine(const QByteArray& bytes)
{
    // Indices into bytes: a copy of every line would cost an allocation each.
    const char* data = bytes.constData();
    int lineNumber = 0;
    bool continued = false;
    int start = 0;
    while (start < bytes.size()) {
        const int from = start;
        int end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        ++lineNumber;
        start = end + 1;
        if (end > from && data[end - 1] == '\r')
            --end;
        for (int i = from; i < end; ++i) {
            if (uchar(data[i]) < 0x20 && data[i] != '\t')
                return lineNumber;
        }
        // No other white space is left in the line.
        int first = from;
        int last = end;
        while (first < last && (data[first] == ' ' || data[first] == '\t'))
            ++first;
        while (last > first && (data[last - 1] == ' ' || data[last - 1] == '\t'))
            --last;
        const bool isContinuation = continued;
        continued = last > first && data[last - 1] == '\\';
        // The library reads only ";" as a comment, and takes a byte order mark for part of the line.
        if (lineNumber == 1 && end - from >= 3 && std::memcmp(data + from, "\xef\xbb\xbf", 3) == 0)
            return lineNumber;
        if (isContinuation || first == last || data[first] == ';')
            continue;
        const char wanted = data[first] == '[' ? ']' : '=';
        if (!std::memchr(data + first, wanted, size_t(last - first)))
            return lineNumber;
    }
    return 0;
}

} // namespace Converter
