// Writes the device description files from their one table, and lists them in
// a resource collection file, at build time.
//
// Table lines: key | Polish text | English text | files. Each file is named
// without ".xml"; ":parallel" or ":compensation" after a name marks the item
// so in that file. An empty text gets no attribute. Blank lines and lines
// starting with "#" are skipped. Within each kind, a file lists its items in
// table order.
#include "tools/writeifchanged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTextStream>
#include <QVector>
#include <QXmlStreamWriter>

namespace {

struct Item
{
    QString key;
    QString polish;
    QString english;
    bool parallel = false;
    bool compensation = false;
};

// Group element and key prefix, in the order the groups are written.
const char* const groups[][2] = {
    {"ups_states", "state"},
    {"ups_messages", "message"},
    {"ups_alarms", "alarm"},
    {"ups_parameters", "param"},
};

int groupOf(const QString& key)
{
    for (int g = 0; g < 4; ++g) {
        if (key.startsWith(QLatin1String(groups[g][1])))
            return g;
    }
    return -1;
}

QByteArray document(const QString& fileName, const QVector<Item>& items)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(fileName.toLower());
    for (int g = 0; g < 4; ++g) {
        xml.writeStartElement(QLatin1String(groups[g][0]));
        for (const Item& item : items) {
            if (groupOf(item.key) != g)
                continue;
            xml.writeEmptyElement(item.key);
            if (!item.polish.isEmpty())
                xml.writeAttribute(QStringLiteral("pl"), item.polish);
            if (!item.english.isEmpty())
                xml.writeAttribute(QStringLiteral("en"), item.english);
            if (item.parallel)
                xml.writeAttribute(QStringLiteral("parallel_ready"), QStringLiteral("1"));
            if (item.compensation)
                xml.writeAttribute(QStringLiteral("compensation_ready"), QStringLiteral("1"));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

QByteArray qrc(const QStringList& fileNames)
{
    QByteArray bytes("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/data\">\n");
    for (const QString& name : fileNames) {
        bytes += "        <file alias=\"data/" + name.toUtf8() + ".xml\">" + name.toUtf8() + ".xml</file>\n";
    }
    return bytes + "    </qresource>\n</RCC>\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        err << "usage: " << args.value(0) << " <table> <output folder> <qrc file>\n";
        return 2;
    }
    QFile tableFile(args.at(1));
    if (!tableFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "cannot read " << args.at(1) << "\n";
        return 1;
    }
    const QString table = QString::fromUtf8(tableFile.readAll());

    // File name to its items, in table order; a bad line stops the build.
    QMap<QString, QVector<Item>> files;
    QSet<QString> keys;
    int lineNumber = 0;
    for (const QString& rawLine : table.split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        const auto fail = [&](const QString& why) {
            err << args.at(1) << ":" << lineNumber << ": " << why << "\n";
            return 1;
        };
        if (fields.size() != 4)
            return fail(QStringLiteral("expected four fields"));
        Item item;
        item.key = fields.at(0).trimmed();
        item.polish = fields.at(1).trimmed();
        item.english = fields.at(2).trimmed();
        if (groupOf(item.key) < 0 || item.key.contains(QLatin1Char(' ')))
            return fail(QStringLiteral("a key starts with state, message, alarm or param"));
        if (keys.contains(item.key))
            return fail(QStringLiteral("key listed twice"));
        keys.insert(item.key);
        const QStringList names = fields.at(3).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (names.isEmpty())
            return fail(QStringLiteral("an item in no file"));
        for (const QString& entry : names) {
            Item inFile = item;
            const QStringList parts = entry.split(QLatin1Char(':'));
            for (const QString& mark : parts.mid(1)) {
                if (mark == QLatin1String("parallel"))
                    inFile.parallel = true;
                else if (mark == QLatin1String("compensation"))
                    inFile.compensation = true;
                else
                    return fail(QStringLiteral("unknown mark ") + mark);
            }
            files[parts.at(0)].append(inFile);
        }
    }

    const QDir out(args.at(2));
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = out.filePath(it.key() + QStringLiteral(".xml"));
        if (!writeIfChanged(path, document(it.key(), it.value()))) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    if (!writeIfChanged(args.at(3), qrc(files.keys()))) {
        err << "cannot write " << args.at(3) << "\n";
        return 1;
    }
    return 0;
}
