#include "LoadSettings.h"
#include "FileOps.h"
#include "MainWindowElements.h"
#include "ProgramPaths.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "ShownTexts.h"
#include "Transfer.h"
#include "TransferRules.h"

#include <QStringList>

#include <tuple>

#include <QCoreApplication>

namespace {

const QString programTitle = QStringLiteral("Quillop");

// A directory setting that no longer exists falls back to the program's default
// directory, is stored, and the user is told once.
QString checkedDirectory(SettingsStore::Key key, const QString &dir, const QString &message,
                         MainWindowElements &window)
{
    if (FileOps::FolderExists(dir))
        return dir;
    window.showMessage(message, programTitle);
    const QString fallback = SettingsStore::defaultText(key);
    SettingsStore::write(key, fallback);
    return fallback;
}

} // namespace

QString dropUnsafeHeaders(RunSettings &s, QList<SettingsStore::Key> *dropped)
{
    QStringList told;
    for (const SettingsStore::Setting &row : SettingsStore::allSettings()) {
        const QString problem =
            SettingsStore::valueProblem(row.key, SettingsStore::textOf(s, row.key));
        if (problem.isEmpty())
            continue;
        SettingsStore::assign(s, row.key, SettingsStore::defaultText(row.key));
        told.append(ShownTexts::storedValueIgnored(SettingsStore::name(row.key), problem));
        if (dropped)
            dropped->append(row.key);
    }
    return told.join(QLatin1Char('\n'));
}

QString logFileNameFor(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

void configureTransfer(const RunSettings &s, Transfer &transfer)
{
    // The proxy text keeps the stored name untrimmed; a port that is no port makes the
    // text unparsable, so the fetch fails instead of going elsewhere.
    if (s.is_proxy) {
        transfer.setAccessType(Transfer::NamedProxy);
        transfer.setProxy(s.proxy_name + QLatin1Char(':') + QString::number(s.proxy_port));
    } else {
        transfer.setAccessType(Transfer::Direct);
    }
    ConnectionOptions options;
    options.proxyType = s.proxy_type;
    options.proxyUser = s.proxy_user;
    options.proxyPassword = s.proxy_password;
    options.userAgent = s.user_agent;
    options.referer = s.referer;
    options.cookieFile = s.cookie_file;
    options.caFile = s.ca_file;
    transfer.setConnectionOptions(options);
}

void readStoredSettings(RunSettings &s)
{
    const QStringList texts = SettingsStore::readAll();
    for (const SettingsStore::Setting &row : SettingsStore::allSettings())
        SettingsStore::assign(s, row.key, texts.at(static_cast<int>(row.key)));
}

void loadSettings(RunSettings &s, MainWindowElements &window, Transfer &transfer,
                  const QDate &today)
{
    using SettingsStore::Key;
    readStoredSettings(s);

    // A counter that is not exactly empty survives every activation. With url3 empty too,
    // url1 holds an address to be fetched as it stands (one pasted whole): no counter.
    if (window.url2Text().isEmpty() && !window.url3Text().isEmpty())
        window.setUrl2Text(s.is_number_mode ? QStringLiteral("01") : QStringLiteral("A"));

    // The save directory is checked before the log directory, so their messages come in
    // that order.
    s.save_dir = checkedDirectory(
        Key::save_dir, s.save_dir,
        QCoreApplication::translate(
            "LoadSettings", "Save path does not exist /n Setting save Path to Application Path"),
        window);
    // Told once: the store is looked at again at every activation of the window.
    static bool storeProblemTold = false;
    if (const QString problem = SettingsStore::storeProblem();
        !problem.isEmpty() && !storeProblemTold) {
        storeProblemTold = true;
        window.showMessage(problem, programTitle);
    }
    QList<Key> dropped;
    if (const QString told = dropUnsafeHeaders(s, &dropped); !told.isEmpty()) {
        // Stored as the default, so that the user is told once.
        for (Key key : std::as_const(dropped))
            SettingsStore::write(key, SettingsStore::textOf(s, key));
        window.showMessage(told, programTitle);
    }
    configureTransfer(s, transfer);
    // Checked whether logging is on or not.
    s.log_dir = checkedDirectory(
        Key::log_dir, s.log_dir,
        QCoreApplication::translate(
            "LoadSettings", "Log path does not exist /n Setting log Path to Application Path"),
        window);

    s.log_file_name = logFileNameFor(today);
    s.log_file_path = FileOps::BuildPath(s.log_dir, s.log_file_name);
}
