#include "OptionsApply.h"

#include "FileOps.h"
#include "MainWindowElements.h"
#include "RunSettings.h"
#include "SettingsStore.h"

void applyOptions(const OptionsValues &values, const ChangeMarks &marks, RunSettings &settings,
                  MainWindowElements &mainWindow)
{
    using SettingsStore::Key;
    using SettingsStore::Type;
    for (const SettingsStore::Setting &row : SettingsStore::allSettings()) {
        if (!marks.isMarked(row.key))
            continue;
        QString text = values[row.key];
        if (row.type == Type::Int16 || row.type == Type::Port) {
            const auto number = SettingsStore::acceptedInDialog(row.key, text);
            if (!number)
                continue;
            text = QString::number(*number);
        } else if (row.type == Type::Text && row.trimmed) {
            text = text.trimmed();
        }
        // Refused where they are typed; never stored should one slip past.
        if (!SettingsStore::valueProblem(row.key, text).isEmpty())
            continue;
        SettingsStore::assign(settings, row.key, text);
        SettingsStore::write(row.key, SettingsStore::textOf(settings, row.key));
        switch (row.key) {
        case Key::is_number_mode:
            mainWindow.setUrl2Text(settings.is_number_mode ? QStringLiteral("01")
                                                           : QStringLiteral("A"));
            break;
        case Key::log_dir:
            settings.log_file_path = FileOps::BuildPath(settings.log_dir, settings.log_file_name);
            break;
        default:
            break;
        }
    }
}
