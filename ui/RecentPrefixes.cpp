#include "RecentPrefixes.h"

RecentPrefixes::RecentPrefixes() : m_slots(Count, QString()) {}

QString RecentPrefixes::keyOf(int slot)
{
    return QStringLiteral("url1_") + QString::number(slot);
}

void RecentPrefixes::setSlot(int index, const QString &text)
{
    m_slots[index] = text;
}

bool RecentPrefixes::remember(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const QString &known : std::as_const(m_slots)) {
        if (known.compare(trimmed, Qt::CaseInsensitive) == 0)
            return false;
    }
    m_slots.removeLast();
    m_slots.prepend(trimmed);
    return true;
}

bool RecentPrefixes::replace(const QString &before, const QString &after)
{
    const qsizetype at = m_slots.indexOf(before.trimmed());
    if (at < 0 || before.trimmed().isEmpty())
        return false;
    const QString wanted = after.trimmed();
    for (const QString &known : std::as_const(m_slots)) {
        if (known.compare(wanted, Qt::CaseInsensitive) == 0) {
            m_slots.removeAt(at);
            m_slots.append(QString());
            return true;
        }
    }
    m_slots[at] = wanted;
    return true;
}
