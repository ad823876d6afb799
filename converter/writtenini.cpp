#include "writtenini.h"

#include "iniwriter.h"

#include <QTextCodec>
#include <cstring>

namespace {

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

bool isPlainKeyChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// Section and key names: letters, digits, "_-." as they are, "\" for "/",
// anything else as %XX or %UXXXX.
bool unescapeKey(const char* data, int from, int to, QString* result)
{
    int i = from;
    while (i < to && isPlainKeyChar(data[i]))
        ++i;
    result->append(QLatin1String(data + from, i - from));
    while (i < to) {
        const char c = data[i];
        if (isPlainKeyChar(c)) {
            result->append(QLatin1Char(c));
            ++i;
            continue;
        }
        if (c == '\\') {
            result->append(QLatin1Char('/'));
            ++i;
            continue;
        }
        if (c != '%')
            return false;
        int digits = 2;
        int first = i + 1;
        if (first < to && data[first] == 'U') {
            digits = 4;
            ++first;
        }
        if (first + digits > to)
            return false;
        int code = 0;
        for (int k = first; k < first + digits; ++k) {
            if (!isHex(data[k]))
                return false;
            code = code * 16 + hexValue(data[k]);
        }
        result->append(QChar(code));
        i = first + digits;
    }
    return true;
}

void chopSpaces(QString* text, int limit)
{
    int size = text->size();
    while (size > limit &&
           (text->at(size - 1) == QLatin1Char(' ') || text->at(size - 1) == QLatin1Char('\t')))
        --size;
    text->truncate(size);
}

// Items of a value: quoted or not, separated by ",", with the escapes the
// library writes ("\\", "\"", the control letters and "\x" with up to four hex digits).
bool unescapeValue(const char* data, int from, int to, QTextCodec* codec, QString* text, QStringList* list,
                   bool* isList)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                      {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool quoted = false;    // inside quotes
    bool wasQuoted = false; // the current item had quotes
    int i = from;
    const auto skipSpaces = [&] {
        while (i < to && (data[i] == ' ' || data[i] == '\t'))
            ++i;
    };
    skipSpaces();
    int chopLimit = 0; // spaces that an escape or quote produced stay
    while (i < to) {
        const char c = data[i];
        if (c == '\\') {
            if (i + 1 >= to)
                return false;
            const char e = data[i + 1];
            i += 2;
            bool known = false;
            for (const auto& escape : escapes) {
                if (e == escape[0]) {
                    text->append(QLatin1Char(escape[1]));
                    known = true;
                    break;
                }
            }
            if (!known) {
                if (e != 'x')
                    return false;
                int code = 0;
                int digits = 0;
                while (i < to && isHex(data[i])) {
                    code = code * 16 + hexValue(data[i]);
                    ++i;
                    if (++digits > 4)
                        return false;
                }
                if (digits == 0)
                    return false;
                text->append(QChar(code));
            }
            chopLimit = text->size();
        } else if (c == '"') {
            ++i;
            wasQuoted = true;
            quoted = !quoted;
            if (!quoted) {
                skipSpaces();
                chopLimit = text->size();
            }
        } else if (c == ',' && !quoted) {
            if (!wasQuoted)
                chopSpaces(text, chopLimit);
            if (!*isList) {
                *isList = true;
                list->clear();
            }
            list->append(*text);
            text->clear();
            wasQuoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            int j = i + 1;
            while (j < to && data[j] != '\\' && data[j] != '"' && data[j] != ',')
                ++j;
            // The library ends the line at a ";" outside quotes, as a comment.
            if (!quoted && std::memchr(data + i, ';', size_t(j - i)))
                return false;
            if (codec)
                text->append(codec->toUnicode(data + i, j - i));
            else
                text->append(QLatin1String(data + i, j - i));
            i = j;
        }
    }
    if (quoted)
        return false;
    if (!wasQuoted)
        chopSpaces(text, chopLimit);
    if (*isList) {
        list->append(*text);
        text->clear();
    }
    return true;
}

// What the library makes of a text that begins with "@".
bool plainValue(Converter::WrittenIni::Entry* entry)
{
    if (entry->isList) {
        for (const QString& item : qAsConst(entry->list)) {
            if (item.startsWith(QLatin1Char('@')))
                return false;
        }
        return true;
    }
    if (!entry->text.startsWith(QLatin1Char('@')))
        return true;
    if (entry->text.startsWith(QLatin1String("@@"))) {
        entry->text.remove(0, 1);
        return true;
    }
    // An empty list.
    if (entry->text == QLatin1String("@Invalid()")) {
        entry->text.clear();
        entry->isList = true;
        return true;
    }
    return false;
}

// truncate() keeps a buffer of its own that clear() would give back.
void startAfresh(QString* text, int size)
{
    if (text->isDetached()) {
        text->truncate(0);
    } else {
        *text = QString();
        text->reserve(size);
    }
}

} // namespace

namespace Converter {

bool WrittenIni::read(const QByteArray& bytes, QTextCodec* codec, QVector<Entry>* entries)
{
    entries->clear();
    entries->reserve(bytes.count('\n') + 1);
    return visit(bytes, codec, [entries](const Entry& entry) {
        entries->append(entry);
        return true;
    });
}

bool WrittenIni::visit(const QByteArray& bytes, QTextCodec* codec,
                       const std::function<bool(const Entry&)>& each)
{
    Entry entry;
    const char* data = bytes.constData();
    const int size = bytes.size();
    QString section; // with its trailing "/", empty for the general section
    int start = 0;
    while (start < size) {
        int end = bytes.indexOf('\n', start);
        if (end < 0)
            end = size;
        const int next = end + 1;
        if (end > start && data[end - 1] == '\r')
            --end;
        if (end == start) {
            start = next;
            continue;
        }
        // The library escapes every control character; a raw one (a lone "\r"
        // included, which ends a line for the library) is not its writing.
        for (int i = start; i < end; ++i) {
            if (uchar(data[i]) < 0x20)
                return false;
        }
        if (data[start] == '[') {
            if (data[end - 1] != ']')
                return false;
            const QByteArray name = QByteArray::fromRawData(data + start + 1, end - start - 2);
            section.clear();
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                if (name.compare("%general", Qt::CaseInsensitive) == 0)
                    section = QString::fromLatin1(name.constData() + 1, name.size() - 1);
                else if (name.isEmpty() || !unescapeKey(data, start + 1, end - 1, &section) ||
                         !Converter::IniWriter::isPlainKey(section))
                    return false;
                section += QLatin1Char('/');
            }
            start = next;
            continue;
        }
        const int equals = bytes.indexOf('=', start);
        // A "\\" before the "=" makes it part of the key for the library.
        if (equals < 0 || equals >= end || equals == start || data[equals - 1] == '\\')
            return false;
        entry.section = section;
        // A buffer the caller kept a copy of would be copied again before the first
        // append and grown after: it starts afresh, sized for a plain line, instead.
        startAfresh(&entry.key, section.size() + (equals - start));
        entry.key.append(section.constData(), section.size());
        startAfresh(&entry.text, end - equals - 1);
        entry.list.clear();
        entry.isList = false;
        // The library lists a key with an empty part but looks it up under another
        // name; only an escape in the key can make one ("\\" or "%2F", a slash), the
        // section was checked already.
        if (!unescapeKey(data, start, equals, &entry.key) ||
            ((std::memchr(data + start, '\\', size_t(equals - start)) ||
              std::memchr(data + start, '%', size_t(equals - start))) &&
             !Converter::IniWriter::isPlainKey(entry.key)))
            return false;
        if (!unescapeValue(data, equals + 1, end, codec, &entry.text, &entry.list, &entry.isList) ||
            !plainValue(&entry))
            return false;
        if (!each(entry))
            return false;
        start = next;
    }
    return true;
}

} // namespace Converter
