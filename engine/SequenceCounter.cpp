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

    const qsizetype width = t.size();
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
