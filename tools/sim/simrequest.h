#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace LxSim {

// One request as the stand-in received it: the exact plain text and what it
// parsed to.
struct SimRequest
{
    // A direct child of the request element (other than `pass`).
    struct Child
    {
        QString name;
        QString text;  // all text inside it, nested elements' text included
        QString inner; // its content as written, markup included
    };

    QString raw;
    bool wellFormed = false;
    QString error; // the XML reader's message when not well-formed
    QString name;
    bool hasPass = false; // `pass` came as the first child
    QString pass;
    QString text; // text directly inside the request element
    QList<Child> children;
    int connection = 0; // which client sent it, counted from 1

    // Text of the first child named `child`, or empty.
    QString value(const QString& child) const;
    // Texts of all children named `child`, in order.
    QStringList values(const QString& child) const;
    // Child name to text; a later child of the same name wins.
    QMap<QString, QString> toMap() const;
    // Everything inside the request element after `pass`, as written.
    QString payload() const;
    // One line: name, pass and children, for the log.
    QString describe() const;

    static SimRequest parse(const QString& raw);
};

} // namespace LxSim

Q_DECLARE_METATYPE(LxSim::SimRequest)
