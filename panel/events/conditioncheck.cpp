#include "conditioncheck.h"

#include "conditiontext.h"

#include <QRegularExpression>
#include <QScriptEngine>
#include <QScriptSyntaxCheckResult>
#include <QtNumeric>

namespace {

// The longest operator at each place: with "<" or ">" tried first, ">= 80.5"
// left the operand "= 80.5", and a sound comparison showed red.
const QRegularExpression& anyOperator()
{
    static const QRegularExpression re(QStringLiteral("==|<=|>=|!=|&&|\\|\\||<|>"));
    return re;
}

const QRegularExpression& logicalOperator()
{
    static const QRegularExpression re(QStringLiteral("&&|\\|\\|"));
    return re;
}

const QRegularExpression& comparison()
{
    static const QRegularExpression re(QStringLiteral("==|<=|>=|!=|<|>"));
    return re;
}

// Brackets anywhere and white space around go.
QString cleaned(QString word)
{
    static const QRegularExpression brackets(QStringLiteral("\\(+|\\)+"));
    static const QRegularExpression outerSpace(QStringLiteral("^\\s+|\\s+$"));
    return word.remove(brackets).remove(outerSpace);
}

bool isValue(const QString& text)
{
    return text == QLatin1String("ON") || text == QLatin1String("OFF");
}

} // namespace

ConditionCheck::ConditionCheck(const QStringList& offeredKeys)
    : m_keys(offeredKeys.cbegin(), offeredKeys.cend())
{
}

bool ConditionCheck::isStateName(const QString& text) const
{
    return m_keys.contains(text) && !text.startsWith(QLatin1String("param"));
}

bool ConditionCheck::isParamName(const QString& text) const
{
    return m_keys.contains(text) && text.startsWith(QLatin1String("param"));
}

bool ConditionCheck::isNumber(const QString& text)
{
    bool ok = false;
    // "inf" and "nan" convert too, but the service reads no such value.
    const double value = text.toDouble(&ok);
    return ok && qIsFinite(value);
}

bool ConditionCheck::isValid(const QString& text) const
{
    // What the parser refuses at save must not show as sound while typed.
    if (!ConditionText::withinLimits(text))
        return false;
    if (QScriptEngine::checkSyntax(text).state() != QScriptSyntaxCheckResult::Valid)
        return false;
    static const char* const arithmetic[] = {"+",  "-",  "^", "*", ">>",  "<<",
                                             "++", "--", "/", "%", "===", "\n"};
    for (const char* forbidden : arithmetic) {
        if (text.contains(QLatin1String(forbidden)))
            return false;
    }
    return twoStateItemsOnlyCompareEqual(text) && operandsKnown(text) && comparisonsWellFormed(text);
}

bool ConditionCheck::twoStateItemsOnlyCompareEqual(const QString& text) const
{
    static const QStringList orderOrInequality = {"<", "<=", ">", ">=", "!="};
    QStringList words = ConditionText::spaceOperators(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& word : words)
        word = cleaned(word);
    for (int i = 0; i < words.size(); ++i) {
        if (!isStateName(words.at(i)))
            continue;
        if ((i > 0 && orderOrInequality.contains(words.at(i - 1))) ||
            (i + 1 < words.size() && orderOrInequality.contains(words.at(i + 1))))
            return false;
    }
    return true;
}

bool ConditionCheck::operandsKnown(const QString& text) const
{
    for (const QString& word : text.split(anyOperator())) {
        const QString operand = cleaned(word);
        if (!isStateName(operand) && !isValue(operand) && !isNumber(operand) && !isParamName(operand))
            return false;
    }
    return true;
}

bool ConditionCheck::comparisonsWellFormed(const QString& text) const
{
    for (const QString& clause : text.split(logicalOperator())) {
        const QStringList parts = clause.split(comparison());
        if (parts.size() != 2)
            return false;
        const QString left = cleaned(parts.at(0));
        const QString right = cleaned(parts.at(1));
        const bool fits = (isStateName(left) && isValue(right)) || (isStateName(right) && isValue(left)) ||
                          (isParamName(left) && isNumber(right)) || (isParamName(right) && isNumber(left));
        if (!fits)
            return false;
    }
    return true;
}
