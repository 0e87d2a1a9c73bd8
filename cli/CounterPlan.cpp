#include "CounterPlan.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

CounterPlan refused(const QString &counter, const QString &why)
{
    CounterPlan plan;
    plan.first = counter;
    plan.isRange = true;
    plan.problem = QStringLiteral("the range %1 %2").arg(counter, why);
    return plan;
}

// Attempts from `from` to `to` in steps of increment, both ends included; -1 when the
// steps never reach or pass `to`.
qint64 stepsBetween(qint64 from, qint64 to, qint64 increment)
{
    if (from == to)
        return 1;
    if (increment == 0 || (to - from > 0) != (increment > 0))
        return -1;
    return (to - from) / increment + 1;
}

} // namespace

bool CounterPlanning::looksNumeric(const QString &counter)
{
    return counter.isEmpty() || !counter[0].isLetter();
}

CounterPlan CounterPlanning::plan(const QString &counter, bool numberMode, qint16 increment)
{
    static const QRegularExpression numbers(QStringLiteral("^([-+]?[0-9]+)-([-+]?[0-9]+)$"));
    static const QRegularExpression letters(QStringLiteral("^([A-Za-z])-([A-Za-z])$"));
    qint64 count = -1;
    QString from;
    if (const auto m = numbers.match(counter); m.hasMatch()) {
        if (!numberMode)
            return refused(counter, QStringLiteral("holds numbers but the counter counts letters"));
        from = m.captured(1);
        count = stepsBetween(m.captured(1).toLongLong(), m.captured(2).toLongLong(), increment);
    } else if (const auto m = letters.match(counter); m.hasMatch()) {
        if (numberMode)
            return refused(counter, QStringLiteral("holds letters but the counter counts numbers"));
        const QChar a = m.captured(1)[0];
        const QChar b = m.captured(2)[0];
        if (a.isUpper() != b.isUpper())
            return refused(counter, QStringLiteral("mixes capital and small letters"));
        from = m.captured(1);
        count = stepsBetween(a.unicode(), b.unicode(), increment);
    } else {
        CounterPlan single;
        single.first = counter;
        return single;
    }
    if (count < 0)
        return refused(counter, QStringLiteral("cannot be reached in steps of %1").arg(increment));
    CounterPlan plan;
    plan.first = from;
    plan.isRange = true;
    plan.rangeCount = int(std::min<qint64>(count, 32767));
    return plan;
}
