#pragma once

#include <QString>
#include <QStringRef>
#include <QVarLengthArray>
#include <QVector>
#include <QXmlStreamReader>

namespace Luminorix {

// Reads the plain XML the service's frequent replies are made of, giving the
// very tokens QXmlStreamReader gives for it, at a fraction of the cost.
//
// load() takes the whole document and accepts it only when it is a single
// element with ASCII names, attributes in double quotes, text without
// references or markup characters ("&", ">", "]"), no carriage returns, no
// comments, processing instructions, declarations, CDATA or empty-element
// tags, nothing before or after the root, and nothing beyond the bounds of
// replybounds.h. For such a document the stream is well-formed and has no
// error; anything else is refused and belongs to QXmlStreamReader. The end is
// reported at EndDocument only.
class PlainXmlReader
{
public:
    class Attributes
    {
    public:
        // The value of the attribute with that name; a null ref when absent.
        QStringRef value(QLatin1String name) const;
        int size() const { return m_count; }

    private:
        friend class PlainXmlReader;
        Attributes(const PlainXmlReader* reader, int first, int count)
            : m_reader(reader), m_first(first), m_count(count)
        {
        }
        const PlainXmlReader* m_reader;
        int m_first;
        int m_count;
    };

    PlainXmlReader();

    // False, leaving no tokens, when the document is not of the plain kind.
    bool load(const QString& document);
    // The tokens of document[from, to) alone, as load() would give them for a
    // document whose root element, named at rootOffset, is open at `from` and
    // again the only one open at `to`; or, from 0, whose root opens within.
    // Reaching the document's end, the root must close there. False, leaving
    // no tokens, when that part is not of the plain kind; a true says nothing
    // of the rest of the document.
    bool loadPart(const QString& document, int from, int to, int rootOffset, int rootLength);

    QXmlStreamReader::TokenType readNext();
    QXmlStreamReader::TokenType tokenType() const { return token().type; }
    bool atEnd() const { return tokenType() == QXmlStreamReader::EndDocument; }
    bool hasError() const { return false; }
    bool isStartDocument() const { return tokenType() == QXmlStreamReader::StartDocument; }
    bool isStartElement() const { return tokenType() == QXmlStreamReader::StartElement; }
    bool isEndElement() const { return tokenType() == QXmlStreamReader::EndElement; }
    bool isCharacters() const { return tokenType() == QXmlStreamReader::Characters; }
    // The element's name on its start and end; null elsewhere.
    QStringRef name() const;
    // The characters on a text token; null elsewhere.
    QStringRef text() const;
    Attributes attributes() const;

    // Where the reader stands, to come back to it; and the text read.
    int tokenIndex() const { return m_current; }
    void seek(int tokenIndex) { m_current = tokenIndex; }
    const QString& document() const { return m_document; }
    // The offset just past the current end tag; -1 elsewhere.
    int endTagEnd() const
    {
        return tokenType() == QXmlStreamReader::EndElement ? token().offset + token().length + 1 : -1;
    }

private:
    struct Token
    {
        QXmlStreamReader::TokenType type;
        int offset; // of the name or the text
        int length;
        int firstAttribute;
        int attributeCount;
    };
    struct Attribute
    {
        int nameOffset;
        int nameLength;
        int valueOffset;
        int valueLength;
    };

    const Token& token() const { return m_tokens.at(m_current); }
    bool fail();
    bool scan(int from, int to, QVarLengthArray<int, 64>& open, bool& rootSeen);

    QString m_document;
    QVector<Token> m_tokens;
    QVector<Attribute> m_attributes;
    int m_current = 0;
};

} // namespace Luminorix
