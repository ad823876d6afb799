#pragma once

#include <QTranslator>

// Stands in for an English translation: every text of the QObject context
// comes back tagged, so a test sees exactly which parts went through tr().
class TaggingTranslator : public QTranslator
{
public:
    static QString tag() { return QStringLiteral("EN:"); }

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return tag() + QString::fromUtf8(sourceText);
    }

    bool isEmpty() const override { return false; }
};
