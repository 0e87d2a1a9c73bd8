#include "LoadSettings.h"

#include "FileOps.h"
#include "MainWindowElements.h"
#include "ProgramPaths.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "Transfer.h"

namespace {

const QString programTitle = QStringLiteral("Quillop");

// A directory setting that no longer exists falls back to the program's default
// directory, is stored, and the user is told once.
QString checkedDirectory(const QString &key, const QString &message, MainWindowElements &window)
{
    const QString dir = SettingsStore::read(key);
    if (FileOps::FolderExists(dir))
        return dir;
    window.showMessage(message, programTitle);
    const QString fallback = SettingsStore::defaultText(key);
    SettingsStore::write(key, fallback);
    return fallback;
}

} // namespace

QString logFileNameFor(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

void loadSettings(RunSettings &s, MainWindowElements &window, Transfer &transfer,
                  const QDate &today)
{
    using namespace SettingsStore;

    // 1
    s.isMultiple = readBool(QStringLiteral("isMultiple"));
    s.exit_ifover = readBool(QStringLiteral("exit_ifover"));
    s.max_downloads = readInt16(QStringLiteral("max_downloads"));
    s.is_number_mode = readBool(QStringLiteral("is_number_mode"));

    // 2: a counter that is not exactly empty survives every activation.
    if (window.url2Text().isEmpty())
        window.setUrl2Text(s.is_number_mode ? QStringLiteral("01") : QStringLiteral("A"));

    // 3
    s.increment = readInt16(QStringLiteral("increment"));
    s.append_str = read(QStringLiteral("append_str"));
    s.is_header = readBool(QStringLiteral("is_header"));
    s.pause_time = readInt16(QStringLiteral("pause_time"));
    s.is_save = readBool(QStringLiteral("is_save"));

    // 4
    s.save_dir = checkedDirectory(
        QStringLiteral("save_dir"),
        QStringLiteral("Save path does not exist /n Setting save Path to Application Path"),
        window);

    // 5
    s.if_exists = readIfExists();

    // 6
    s.is_proxy = readBool(QStringLiteral("is_proxy"));
    s.proxy_name = read(QStringLiteral("proxy_name"));
    s.proxy_port = readInt16(QStringLiteral("proxy_port"));

    // 7: the proxy text keeps the stored name untrimmed.
    if (s.is_proxy) {
        transfer.setAccessType(Transfer::NamedProxy);
        transfer.setProxy(s.proxy_name + QLatin1Char(':') + QString::number(s.proxy_port));
    } else {
        transfer.setAccessType(Transfer::Direct);
    }

    // 8: checked whether logging is on or not.
    s.is_log = readBool(QStringLiteral("is_log"));
    s.log_dir = checkedDirectory(
        QStringLiteral("log_dir"),
        QStringLiteral("Log path does not exist /n Setting log Path to Application Path"), window);

    // 9
    s.log_file_name = logFileNameFor(today);
    s.log_file_path = FileOps::BuildPath(s.log_dir, s.log_file_name);
}
