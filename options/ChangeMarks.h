#pragma once

#include "SettingsStore.h"

#include <QStringList>
#include <bitset>

// Which settings the user touched while the options dialog is open. Only marked settings
// are written by the apply step, so an untouched setting never overwrites a value that
// another copy of the program may have stored meanwhile.
class ChangeMarks
{
public:
    using Key = SettingsStore::Key;

    void mark(Key key) { m_marked.set(static_cast<std::size_t>(key)); }
    bool isMarked(Key key) const { return m_marked.test(static_cast<std::size_t>(key)); }
    void clear() { m_marked.reset(); }
    // The keys whose mark is set, in the order of the key table.
    QStringList setKeys() const;

private:
    std::bitset<SettingsStore::keyCount> m_marked;
};
