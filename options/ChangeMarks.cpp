#include "ChangeMarks.h"

QStringList ChangeMarks::setKeys() const
{
    QStringList keys;
    for (const SettingsStore::Setting &row : SettingsStore::allSettings()) {
        if (isMarked(row.key))
            keys << SettingsStore::name(row.key);
    }
    return keys;
}
