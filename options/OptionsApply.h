#pragma once

#include "ChangeMarks.h"

#include <QString>
#include <array>

struct RunSettings;
class MainWindowElements;

// What the dialog's controls show at the moment of applying, as the texts the store keeps
// ("True"/"False" for a pair of option buttons, "4" for Rename && Save, a number box's text as
// typed), read by the dialog so that the apply step itself needs no widget.
struct OptionsValues
{
    QString &operator[](SettingsStore::Key key) { return texts[static_cast<std::size_t>(key)]; }
    const QString &operator[](SettingsStore::Key key) const
    {
        return texts[static_cast<std::size_t>(key)];
    }

    std::array<QString, SettingsStore::keyCount> texts;
};

// Writes every marked setting, in the order of the key table, into settings and the store;
// a change of the counter mode also restarts the counter of the main window. Texts are taken
// trimmed where the setting says so. A marked number whose text is not accepted is skipped
// rather than stored with a stale value.
void applyOptions(const OptionsValues &values, const ChangeMarks &marks, RunSettings &settings,
                  MainWindowElements &mainWindow);
