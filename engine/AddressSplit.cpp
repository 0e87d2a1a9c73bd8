#include "AddressSplit.h"

#include <algorithm>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigit(QChar c)
{
    return isAsciiDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Where the path of the address begins: at the first "/" after "scheme://host", or after
// the host of an address typed without a scheme.
qsizetype pathStart(const QString &text)
{
    const qsizetype hostStart =
        AddressSplit::hasScheme(text) ? text.indexOf(QLatin1String("://")) + 3 : 0;
    const qsizetype slash = text.indexOf(QLatin1Char('/'), hostStart);
    return slash < 0 ? text.size() : slash;
}

// "[FROM-TO]" with FROM and TO both digits or both single letters.
bool isBracketRange(const QString &inside)
{
    const qsizetype dash = inside.indexOf(QLatin1Char('-'), 1);
    if (dash <= 0 || dash == inside.size() - 1)
        return false;
    const QString from = inside.left(dash);
    const QString to = inside.mid(dash + 1);
    const auto allDigits = [](const QString &s) {
        for (const QChar c : s) {
            if (!isAsciiDigit(c))
                return false;
        }
        return true;
    };
    if (allDigits(from) && allDigits(to))
        return true;
    return from.size() == 1 && to.size() == 1 && isAsciiLetter(from[0]) && isAsciiLetter(to[0]);
}

// Something that only a range would look like: words of letters and digits (each with
// an optional sign) joined by dashes, "1-5", "A-9", "-3--1", "0x1-0x5", "5-5-5".
bool looksLikeRange(const QString &inside)
{
    bool dash = false;
    bool word = false; // inside a word of letters and digits
    for (qsizetype i = 0; i < inside.size(); ++i) {
        const QChar c = inside[i];
        if (isAsciiDigit(c) || isAsciiLetter(c)) {
            word = true;
        } else if (c == QLatin1Char('-') && word) {
            dash = true;
            word = false;
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && !word &&
                   i + 1 < inside.size() && isAsciiDigit(inside[i + 1])) {
            // a sign in front of a number
        } else {
            return false;
        }
    }
    return dash && word;
}

} // namespace

QString AddressSplit::bracketProblem(const QString &address)
{
    const QString text = address.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('['));
    if (open < pathStart(text))
        return {};
    const qsizetype close = text.indexOf(QLatin1Char(']'), open);
    if (close < 0) {
        // The range runs up to where a path's next part would begin.
        qsizetype end = open + 1;
        while (end < text.size() &&
               (isAsciiDigit(text[end]) || isAsciiLetter(text[end]) ||
                text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
            ++end;
        const QString inside = text.mid(open + 1, end - open - 1);
        if (!looksLikeRange(inside))
            return {};
        return QStringLiteral("the range \"[%1\" has no closing bracket").arg(inside);
    }
    const QString inside = text.mid(open + 1, close - open - 1);
    if (isBracketRange(inside) || !looksLikeRange(inside))
        return {};
    return QStringLiteral("the range \"[%1]\" is neither two numbers nor two letters, as in "
                          "[01-20] or [A-F]")
        .arg(inside);
}

bool AddressSplit::hasScheme(const QString &text)
{
    const qsizetype end = text.indexOf(QLatin1String("://"));
    if (end <= 0 || !isAsciiLetter(text[0]))
        return false;
    for (qsizetype i = 1; i < end; ++i) {
        const QChar c = text[i];
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != QLatin1Char('+') &&
            c != QLatin1Char('-') && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

AddressParts AddressSplit::split(const QString &address)
{
    const QString text = address.trimmed();
    if (QString problem = bracketProblem(text); !problem.isEmpty())
        return {text, QString(), QString(), problem};
    const qsizetype open = text.lastIndexOf(QLatin1Char('['));
    if (open >= pathStart(text)) {
        const qsizetype close = text.indexOf(QLatin1Char(']'), open);
        if (close > open && isBracketRange(text.mid(open + 1, close - open - 1)))
            return {text.left(open), text.mid(open + 1, close - open - 1), text.mid(close + 1), {}};
    }

    qsizetype end = text.size();
    for (const QChar stop : {QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = text.indexOf(stop, pathStart(text));
        if (at >= 0 && at < end)
            end = at;
    }
    const qsizetype path = pathStart(text);
    if (end <= path)
        return {text, QString(), QString(), {}};
    const qsizetype segment = std::max(path, text.lastIndexOf(QLatin1Char('/'), end - 1) + 1);
    // The digits of an escape ("%20") belong to the escaped character, not to a number.
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = segment; i < end;) {
        if (text[i] == QLatin1Char('%') && i + 2 < end && isHexDigit(text[i + 1]) &&
            isHexDigit(text[i + 2])) {
            i += 3;
        } else if (isAsciiDigit(text[i])) {
            first = i;
            while (i < end && isAsciiDigit(text[i]))
                ++i;
            last = i;
        } else {
            ++i;
        }
    }
    if (first < 0)
        return {text, QString(), QString(), {}};
    return {text.left(first), text.mid(first, last - first), text.mid(last), {}};
}
