#pragma once

#include <QString>
#include <QStringList>

// The five remembered address prefixes of url1, slot 0 the most recently added. A prefix
// is remembered trimmed; one that matches a slot without regard to letter case is not
// remembered again and does not move, so the order is that of first entry.
class RecentPrefixes
{
public:
    static constexpr int Count = 5;

    RecentPrefixes();

    // The settings key of a slot: "url1_0" to "url1_4".
    static QString keyOf(int slot);

    QString slot(int index) const { return m_slots.at(index); }
    QStringList all() const { return m_slots; }
    void setSlot(int index, const QString &text);

    // Offers the text of url1. Returns true when it was new: the slots have moved down,
    // the oldest is gone and slot 0 holds the trimmed text. An empty text counts as new
    // only while no slot is empty.
    bool remember(const QString &text);
    // The slot holding before (trimmed, exactly) holds after instead; when after is
    // remembered already, the slot goes and the later ones move up. Returns whether a slot
    // changed.
    bool replace(const QString &before, const QString &after);

private:
    QStringList m_slots;
};
