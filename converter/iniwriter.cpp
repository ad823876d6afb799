#include "iniwriter.h"

#include <QTextCodec>
#include <QVector>
#include <algorithm>

namespace {

const char hexDigits[] = "0123456789ABCDEF";

bool isPlainKeyChar(ushort c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// The library's text of a single value; false for a type whose text it makes otherwise.
bool valueText(const QVariant& value, QString* text)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        *text = QStringLiteral("@Invalid()");
        return true;
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
        *text = value.toString();
        if (text->contains(QChar::Null))
            *text = QStringLiteral("@String(") + *text + QLatin1Char(')');
        else if (text->startsWith(QLatin1Char('@')))
            text->prepend(QLatin1Char('@'));
        return true;
    default:
        return false;
    }
}

// Appends the units [from, to) of text, each below 0x80, as bytes in one step;
// a byte array's append of one character at a time checks its room every time.
void appendAscii(const QChar* text, int from, int to, QByteArray* result)
{
    const int at = result->size();
    result->resize(at + (to - from));
    char* out = result->data() + at;
    for (int i = from; i < to; ++i)
        *out++ = char(text[i].unicode());
}

// Units that stand for themselves in a value.
bool isPlainValueChar(ushort ch)
{
    return ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\';
}

void appendEscaped(const QString& text, QTextCodec* codec, QByteArray* result)
{
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const bool useCodec = codec && !text.startsWith(QLatin1String("@ByteArray(")) &&
                          !text.startsWith(QLatin1String("@Variant("));
    const int start = result->size();
    result->reserve(start + text.size() * 3 / 2);
    // Every ASCII-compatible codec gives a plain unit its own byte; UTF-8 is the one used.
    const bool plainIsByte = !useCodec || codec->mibEnum() == 106;
    const QChar* unicode = text.unicode();
    for (int i = 0; i < text.size(); ++i) {
        ushort ch = unicode[i].unicode();
        if (plainIsByte && !escapeNextIfDigit && isPlainValueChar(ch)) {
            int end = i;
            for (; end < text.size() && isPlainValueChar(unicode[end].unicode()); ++end) {
                const ushort c = unicode[end].unicode();
                if (c == ';' || c == ',' || c == '=')
                    needsQuotes = true;
            }
            appendAscii(unicode, i, end, result);
            if (end == text.size())
                break;
            i = end;
            ch = unicode[i].unicode();
        }
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        // "\x" takes every hex digit that follows.
        if (escapeNextIfDigit &&
            ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))) {
            *result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            *result += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            *result += "\\a";
            break;
        case '\b':
            *result += "\\b";
            break;
        case '\f':
            *result += "\\f";
            break;
        case '\n':
            *result += "\\n";
            break;
        case '\r':
            *result += "\\r";
            break;
        case '\t':
            *result += "\\t";
            break;
        case '\v':
            *result += "\\v";
            break;
        case '"':
        case '\\':
            *result += '\\';
            *result += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !useCodec)) {
                *result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (useCodec) {
                // One unit at a time, as the library does, a surrogate half included.
                *result += codec->fromUnicode(&unicode[i], 1);
            } else {
                *result += char(ch);
            }
        }
    }
    if (needsQuotes ||
        (start < result->size() && (result->at(start) == ' ' || result->at(result->size() - 1) == ' '))) {
        result->insert(start, '"');
        *result += '"';
    }
}

} // namespace

namespace Converter {

bool IniWriter::isPlainKey(const QString& key)
{
    return !key.isEmpty() && !key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/')) &&
           !key.contains(QLatin1String("//"));
}

void IniWriter::appendKey(const QStringRef& key, QByteArray* bytes)
{
    bytes->reserve(bytes->size() + key.size() * 3 / 2);
    const QChar* unicode = key.unicode();
    for (int i = 0; i < key.size(); ++i) {
        int end = i;
        while (end < key.size() && isPlainKeyChar(unicode[end].unicode()))
            ++end;
        if (end > i) {
            appendAscii(unicode, i, end, bytes);
            i = end - 1;
            continue;
        }
        ushort ch = unicode[i].unicode();
        if (ch == '/') {
            *bytes += '\\';
        } else if (ch <= 0xFF) {
            *bytes += '%';
            *bytes += hexDigits[ch / 16];
            *bytes += hexDigits[ch % 16];
        } else {
            char code[4];
            for (int k = 3; k >= 0; --k) {
                code[k] = hexDigits[ch % 16];
                ch >>= 4;
            }
            *bytes += "%U";
            bytes->append(code, 4);
        }
    }
}

bool IniWriter::appendValue(const QVariant& value, QTextCodec* codec, QByteArray* bytes)
{
    QString text;
    if (value.userType() != QMetaType::QStringList)
        return valueText(value, &text) && (appendEscaped(text, codec, bytes), true);
    const QStringList list = value.toStringList();
    // An empty list reads back as no value, which toStringList() also gives.
    if (list.isEmpty()) {
        *bytes += "@Invalid()";
        return true;
    }
    for (int i = 0; i < list.size(); ++i) {
        if (i != 0)
            *bytes += ", ";
        valueText(list.at(i), &text);
        appendEscaped(text, codec, bytes);
    }
    return true;
}

bool IniWriter::format(const QHash<QString, QVariant>& values, QTextCodec* codec, QByteArray* bytes)
{
    KeyRecord record;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        record.set(it.key(), it.value());
    return format(record, codec, bytes);
}

bool IniWriter::format(const KeyRecord& record, QTextCodec* codec, QByteArray* bytes, QVector<Written>* order)
{
    if (!record.isPlain())
        return false;
    // A new file has no order of its own: sections and their keys come sorted.
    std::vector<const KeyRecord::Section*> sections;
    sections.reserve(record.sections().size());
    for (const KeyRecord::Section& section : record.sections())
        sections.push_back(&section);
    std::sort(sections.begin(), sections.end(),
              [](const KeyRecord::Section* a, const KeyRecord::Section* b) { return a->name < b->name; });

    const int start = bytes->size();
    if (order) {
        order->clear();
        order->reserve(record.size());
    }
    std::vector<const KeyRecord::Key*> keys;
    for (size_t i = 0; i < sections.size(); ++i) {
        const KeyRecord::Section& section = *sections[i];
        if (i != 0)
            *bytes += '\n';
        *bytes += '[';
        const int header = bytes->size();
        appendKey(QStringRef(&section.name), bytes);
        const int headerSize = bytes->size() - header;
        if (headerSize == 0)
            *bytes += "General";
        else if (headerSize == 7 && qstrnicmp(bytes->constData() + header, "general", 7) == 0)
            bytes->replace(header, headerSize, "%General"); // the library's spelling, whatever it was
        *bytes += "]\n";
        keys.clear();
        for (const KeyRecord::Key& key : section.keys)
            keys.push_back(&key);
        std::sort(keys.begin(), keys.end(),
                  [](const KeyRecord::Key* a, const KeyRecord::Key* b) { return a->name < b->name; });
        for (const KeyRecord::Key* key : keys) {
            appendKey(QStringRef(&key->name), bytes);
            *bytes += '=';
            if (!appendValue(key->value, codec, bytes)) {
                bytes->truncate(start);
                if (order)
                    order->clear();
                return false;
            }
            if (order)
                order->append({&section.name, &key->name, &key->value});
            *bytes += '\n';
        }
    }
    return true;
}

} // namespace Converter
