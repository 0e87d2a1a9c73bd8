#include "SequenceCounter.h"

namespace {

// Only blanks are trimmed; tabs and other white space stay.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

SequenceCounter::Step unsteppable(const QString &reason)
{
    SequenceCounter::Step step;
    step.outcome = SequenceCounter::Step::Unsteppable;
    step.reason = reason;
    return step;
}

SequenceCounter::Step stepNumber(const QString &t, qint16 increment)
{
    if (t.isEmpty())
        return unsteppable(QStringLiteral("the counter is empty"));
    qsizetype i = (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) ? 1 : 0;
    if (i == t.size())
        return unsteppable(QStringLiteral("the counter \"%1\" is not a number").arg(t));
    for (qsizetype k = i; k < t.size(); ++k) {
        if (t[k] < QLatin1Char('0') || t[k] > QLatin1Char('9'))
            return unsteppable(QStringLiteral("the counter \"%1\" is not a number").arg(t));
    }
    bool ok = false;
    const qlonglong value = t.toLongLong(&ok, 10);
    if (!ok || value < -32768 || value > 32767)
        return unsteppable(QStringLiteral("the counter %1 is outside -32768 to 32767").arg(t));
    const qlonglong next = value + increment;
    if (next < -32768 || next > 32767)
        return unsteppable(
            QStringLiteral("the next counter %1 would be outside -32768 to 32767").arg(next));

    // The width is that of the typed digits; a sign is not a digit, or every step through the
    // negative numbers would add a zero ("-01", "-002", "-0003", ...).
    const qsizetype width = t.size() - i;
    QString digits = QString::number(next < 0 ? -next : next);
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
    SequenceCounter::Step step;
    step.newText = next < 0 ? QLatin1Char('-') + digits : digits;
    return step;
}

SequenceCounter::Step stepCharacter(const QString &t, qint16 increment)
{
    if (t.isEmpty())
        return unsteppable(QStringLiteral("the counter is empty"));
    const int c = t[0].unicode();
    if (c > 255)
        return unsteppable(
            QStringLiteral("the counter \"%1\" is not a single-byte character").arg(t[0]));
    const int n = c + increment;
    const bool upper = c >= 'A' && c <= 'Z';
    const bool lower = c >= 'a' && c <= 'z';
    if ((upper && n > 'Z') || (lower && n > 'z')) {
        SequenceCounter::Step step;
        step.outcome = SequenceCounter::Step::LetterEnd;
        return step;
    }
    if (n < 0 || n > 255)
        return unsteppable(
            QStringLiteral("the next counter would be outside character codes 0 to 255"));
    SequenceCounter::Step step;
    step.newText = QString(QChar(static_cast<char16_t>(n)));
    return step;
}

} // namespace

QString SequenceCounter::composeUrl(const QString &url1, const QString &url2, const QString &url3)
{
    return trimBlanks(url1) + trimBlanks(url2) + trimBlanks(url3);
}

SequenceCounter::Step SequenceCounter::advanceCounter(const QString &counter, bool numberMode,
                                                      qint16 increment)
{
    const QString t = trimBlanks(counter);
    return numberMode ? stepNumber(t, increment) : stepCharacter(t, increment);
}

namespace {

// The value of a signed decimal text, or false when it is none. Leading zeros may be many
// (a negative counter grows by one with every step); a value too large for 18 digits is
// given as one that no 16-bit counter reaches.
bool numberValue(const QString &text, qlonglong *value)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    qsizetype i = (negative || text.startsWith(QLatin1Char('+'))) ? 1 : 0;
    if (i == text.size())
        return false;
    for (qsizetype k = i; k < text.size(); ++k) {
        if (text[k] < QLatin1Char('0') || text[k] > QLatin1Char('9'))
            return false;
    }
    while (i < text.size() - 1 && text[i] == QLatin1Char('0'))
        ++i;
    const QString digits = text.mid(i);
    const qlonglong magnitude = digits.size() > 18 ? 1000000000LL : digits.toLongLong();
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

SequenceCounter::Range unreachable(const QString &text, const QString &why)
{
    SequenceCounter::Range range;
    range.kind = SequenceCounter::Range::Unreachable;
    range.reason = QStringLiteral("the range \"%1\" %2").arg(text, why);
    return range;
}

// from and to as numbers or character codes; count of values the increment walks.
SequenceCounter::Range walk(const QString &text, const QString &from, const QString &to,
                            qlonglong a, qlonglong b, qint16 increment)
{
    if (a != b && (increment == 0 || (b > a) != (increment > 0)))
        return unreachable(text,
                           QStringLiteral("cannot be reached with increment %1").arg(increment));
    SequenceCounter::Range range;
    range.kind = SequenceCounter::Range::Walkable;
    range.from = from;
    range.to = to;
    range.count = a == b ? 1 : int((b - a) / increment + 1);
    return range;
}

} // namespace

std::optional<bool> SequenceCounter::numberModeOf(const QString &counter)
{
    const QString t = trimBlanks(counter);
    qlonglong value = 0;
    if (numberValue(t, &value))
        return true;
    if (t.size() == 1 && isLetter(t[0]))
        return false;
    const qsizetype dash = t.indexOf(QLatin1Char('-'), 1);
    if (dash < 0)
        return std::nullopt;
    const QString from = t.left(dash), to = t.mid(dash + 1);
    qlonglong end = 0;
    if (numberValue(from, &value) && numberValue(to, &end))
        return true;
    if (from.size() == 1 && to.size() == 1 && isLetter(from[0]) && isLetter(to[0]))
        return false;
    return std::nullopt;
}

SequenceCounter::Range SequenceCounter::parseRange(const QString &counter, bool numberMode,
                                                   qint16 increment)
{
    const QString t = trimBlanks(counter);
    // The dash that separates the ends is never the first character: that one is a sign.
    const qsizetype dash = t.indexOf(QLatin1Char('-'), 1);
    if (dash < 0 || dash == t.size() - 1)
        return {};
    const QString from = t.left(dash), to = t.mid(dash + 1);
    if (from.size() == 1 && to.size() == 1 && isLetter(from[0]) && isLetter(to[0])) {
        if (numberMode)
            return unreachable(t, QStringLiteral("is of letters, but the counter counts numbers"));
        if (from[0].isUpper() != to[0].isUpper())
            return unreachable(t, QStringLiteral("mixes upper and lower case"));
    }
    // Between a letter and a digit lie only punctuation marks: no series counts so, in
    // either mode.
    const auto kind = [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? 1 : isLetter(c) ? 2 : 0;
    };
    if (from.size() == 1 && to.size() == 1 && kind(from[0]) && kind(to[0]) &&
        kind(from[0]) != kind(to[0]))
        return unreachable(t, QStringLiteral("mixes letters and digits"));
    if (!numberMode) {
        if (from.size() != 1 || to.size() != 1 || from[0].unicode() > 255 || to[0].unicode() > 255)
            return {};
        return walk(t, from, to, from[0].unicode(), to[0].unicode(), increment);
    }
    qlonglong a = 0, b = 0;
    if (!numberValue(from, &a) || !numberValue(to, &b))
        return {};
    if (a < -32768 || a > 32767 || b < -32768 || b > 32767)
        return unreachable(t, QStringLiteral("goes outside -32768 to 32767"));
    return walk(t, from, to, a, b, increment);
}

SequenceCounter::EndSide SequenceCounter::sideOfEnd(const QString &counter, const QString &to,
                                                    bool numberMode, qint16 increment)
{
    const QString t = trimBlanks(counter);
    qlonglong value = 0, end = 0;
    if (numberMode) {
        if (!numberValue(t, &value) || !numberValue(to, &end))
            return Before;
    } else {
        if (t.isEmpty() || to.isEmpty())
            return Before;
        value = t[0].unicode();
        end = to[0].unicode();
    }
    if (value == end)
        return AtEnd;
    const bool past = increment > 0 ? value > end : increment < 0 ? value < end : false;
    return past ? Past : Before;
}

bool SequenceCounter::endsRange(const QString &attempted, const QString &next, const QString &to,
                                bool numberMode, qint16 increment)
{
    return sideOfEnd(attempted, to, numberMode, increment) != Before ||
           sideOfEnd(next, to, numberMode, increment) == Past;
}
