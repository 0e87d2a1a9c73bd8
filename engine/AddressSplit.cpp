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

namespace {

bool isEscape(const QString &text, qsizetype i, qsizetype end)
{
    return text[i] == QLatin1Char('%') && i + 2 < end && isHexDigit(text[i + 1]) &&
           isHexDigit(text[i + 2]);
}

// Where the query or fragment begins, or the end of the text.
qsizetype pathEnd(const QString &text, qsizetype path)
{
    qsizetype end = text.size();
    for (const QChar stop : {QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = text.indexOf(stop, path);
        if (at >= 0 && at < end)
            end = at;
    }
    return end;
}

// The runs of digits in [from, end); the digits of an escape ("%20") belong to the escaped
// character, not to a number.
QList<AddressSplit::Candidate> digitRuns(const QString &text, qsizetype from, qsizetype end)
{
    QList<AddressSplit::Candidate> runs;
    for (qsizetype i = from; i < end;) {
        if (isEscape(text, i, end)) {
            i += 3;
        } else if (isAsciiDigit(text[i])) {
            const qsizetype first = i;
            while (i < end && isAsciiDigit(text[i]))
                ++i;
            runs.append({first, i - first});
        } else {
            ++i;
        }
    }
    return runs;
}

// A letter that ends the segment [segment, end) before its extension and stands apart from
// the letters before it: "imgA.png", "pic_b.jpg", but not the "o" of "photo.jpg".
qsizetype letterAt(const QString &text, qsizetype segment, qsizetype end)
{
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'), end - 1);
    const qsizetype baseEnd = dot >= segment ? dot : end;
    const qsizetype at = baseEnd - 1;
    if (at < segment || !isAsciiLetter(text[at]))
        return -1;
    if (at - 2 >= segment && isEscape(text, at - 2, baseEnd))
        return -1;
    if (at - 1 >= segment && isAsciiLetter(text[at - 1]) &&
        text[at - 1].isUpper() == text[at].isUpper())
        return -1;
    return at;
}

AddressParts cutAt(const QString &text, const AddressSplit::Candidate &c)
{
    return {text.left(c.start), text.mid(c.start, c.length), text.mid(c.start + c.length)};
}

} // namespace

QList<AddressSplit::Candidate> AddressSplit::candidates(const QString &address)
{
    const qsizetype path = pathStart(address);
    QList<Candidate> all = digitRuns(address, path, address.size());
    const qsizetype end = pathEnd(address, path);
    const qsizetype segment = std::max(path, address.lastIndexOf(QLatin1Char('/'), end - 1) + 1);
    const qsizetype letter = end > path ? letterAt(address, segment, end) : -1;
    if (letter >= 0) {
        const auto after = std::find_if(all.begin(), all.end(),
                                        [&](const Candidate &c) { return c.start > letter; });
        all.insert(after, {letter, 1});
    }
    return all;
}

AddressParts AddressSplit::split(const QString &address)
{
    const QString text = address.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('['));
    if (open >= pathStart(text)) {
        const qsizetype close = text.indexOf(QLatin1Char(']'), open);
        if (close > open && isBracketRange(text.mid(open + 1, close - open - 1)))
            return {text.left(open), text.mid(open + 1, close - open - 1), text.mid(close + 1)};
    }

    const qsizetype path = pathStart(text);
    const qsizetype end = pathEnd(text, path);
    if (end <= path)
        return {text, QString(), QString()};
    const qsizetype segment = std::max(path, text.lastIndexOf(QLatin1Char('/'), end - 1) + 1);
    QList<Candidate> runs = digitRuns(text, segment, end);
    // The "2" of ".jp2" is part of the file's type while the name holds a number of its own.
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'), end - 1);
    if (dot >= segment &&
        std::any_of(runs.begin(), runs.end(), [dot](const Candidate &c) { return c.start < dot; }))
        runs.removeIf([dot](const Candidate &c) { return c.start > dot; });
    if (runs.isEmpty()) {
        const qsizetype letter = letterAt(text, segment, end);
        return letter < 0 ? AddressParts{text, QString(), QString()} : cutAt(text, {letter, 1});
    }
    // A number written with leading zeros is what a series counts with ("pic01_800.jpg",
    // "img-0042-thumb-2x.png"); otherwise the last number is.
    const auto padded = std::find_if(runs.rbegin(), runs.rend(), [&](const Candidate &c) {
        return c.length > 1 && text[c.start] == QLatin1Char('0');
    });
    return cutAt(text, padded != runs.rend() ? *padded : runs.constLast());
}

AddressParts AddressSplit::step(const AddressParts &parts, int direction)
{
    const AddressParts p{parts.url1.trimmed(), parts.url2.trimmed(), parts.url3.trimmed()};
    // A range is no single place in the address.
    if (p.url2.indexOf(QLatin1Char('-'), 1) > 0)
        return parts;
    const QString text = p.url1 + p.url2 + p.url3;
    const QList<Candidate> all = candidates(text);
    if (all.isEmpty())
        return parts;
    const qsizetype at = p.url1.size();
    const qsizetype n = all.size();
    qsizetype index = -1;
    for (qsizetype i = 0; i < n; ++i) {
        if (all[i].start == at && all[i].length == p.url2.size())
            index = i;
    }
    if (index >= 0) {
        index = (index + (direction < 0 ? n - 1 : 1)) % n;
    } else if (direction > 0) {
        // From a counter of the user's own, the nearest place in the direction asked.
        index = 0;
        while (index < n && all[index].start < at + p.url2.size())
            ++index;
        index %= n;
    } else {
        index = n - 1;
        while (index >= 0 && all[index].start >= at)
            --index;
        index = (index + n) % n;
    }
    return cutAt(text, all[index]);
}
