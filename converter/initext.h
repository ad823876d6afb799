#pragma once

#include <QByteArray>

class QTextCodec;

namespace Converter {

// Checks on the raw bytes of a settings file before the settings library reads
// them: it accepts almost anything, binary data included.
class IniText
{
public:
    // The codec that reads the bytes as their writer meant them: UTF-8 when they
    // hold non-ASCII text that is valid UTF-8, otherwise none (the library's own
    // Latin-1 reading with \x escapes, which is all a file it wrote contains).
    static QTextCodec* codecFor(const QByteArray& bytes);

    // 1-based number of the first line that the library cannot read as part of a
    // settings file (control bytes, a byte order mark, a line that is neither a
    // section, a key nor a ";" comment); 0 if none.
    static int firstDamagedLine(const QByteArray& bytes);
};

} // namespace Converter
