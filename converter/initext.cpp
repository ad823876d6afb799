#include "initext.h"

#include <QTextCodec>

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
    int lineNumber = 0;
    bool continued = false;
    int start = 0;
    while (start < bytes.size()) {
        int end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        ++lineNumber;
        const int next = end + 1;
        if (end > start && bytes.at(end - 1) == '\r')
            --end;
        // A view, not a copy of every line.
        const QByteArray line = QByteArray::fromRawData(bytes.constData() + start, end - start);
        start = next;
        for (const char c : line) {
            if (uchar(c) < 0x20 && c != '\t')
                return lineNumber;
        }
        const QByteArray trimmed = line.trimmed();
        const bool isContinuation = continued;
        continued = trimmed.endsWith('\\');
        // The library reads only ";" as a comment, and takes a byte order mark for part of the line.
        if (lineNumber == 1 && line.startsWith("\xef\xbb\xbf"))
            return lineNumber;
        if (isContinuation || trimmed.isEmpty() || trimmed.startsWith(';'))
            continue;
        if (trimmed.startsWith('[')) {
            if (!trimmed.contains(']'))
                return lineNumber;
            continue;
        }
        if (!trimmed.contains('='))
            return lineNumber;
    }
    return 0;
}

} // namespace Converter
