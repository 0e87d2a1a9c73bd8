#include "OptionsApply.h"

#include "FileOps.h"
#include "MainWindowElements.h"
#include "NumericCheck.h"
#include "RunSettings.h"
#include "SettingsStore.h"
#include "TransferRules.h"

namespace {

void store(const char *key, const QString &text)
{
    SettingsStore::write(QLatin1String(key), text);
}

void storeBool(const char *key, bool &field, bool value)
{
    field = value;
    store(key, SettingsStore::boolText(value));
}

template <typename Field>
void storeNumber(const char *key, Field &field, NumericCheck::Box box, const QString &text)
{
    const auto value = NumericCheck::accepted(box, text);
    if (!value)
        return;
    field = static_cast<Field>(*value);
    store(key, QString::number(*value));
}

void storeText(const char *key, QString &field, const QString &value)
{
    field = value;
    store(key, value);
}

IfExistsPolicy ifExistsCode(const OptionsValues &values)
{
    if (values.skip)
        return IfExistsPolicy::Skip;
    if (values.overwrite)
        return IfExistsPolicy::Overwrite;
    if (values.prompt)
        return IfExistsPolicy::Prompt;
    return IfExistsPolicy::Rename;
}

} // namespace

void applyOptions(const OptionsValues &values, const ChangeMarks &marks, RunSettings &settings,
                  MainWindowElements &mainWindow)
{
    using NumericCheck::Box;
    if (marks.max_downloads)
        storeNumber("max_downloads", settings.max_downloads, Box::MaxFiles, values.maxFiles);
    if (marks.is_number_mode) {
        settings.is_number_mode = values.numberMode;
        mainWindow.setUrl2Text(values.numberMode ? QStringLiteral("01") : QStringLiteral("A"));
        store("is_number_mode", SettingsStore::boolText(values.numberMode));
    }
    if (marks.increment)
        storeNumber("increment", settings.increment, Box::Increment, values.increment);
    if (marks.pause_time)
        storeNumber("pause_time", settings.pause_time, Box::Pause, values.pause);
    if (marks.is_save)
        storeBool("is_save", settings.is_save, values.save);
    if (marks.append_str)
        storeText("append_str", settings.append_str, values.addText.trimmed());
    if (marks.is_header)
        storeBool("is_header", settings.is_header, values.header);
    if (marks.save_dir)
        storeText("save_dir", settings.save_dir, values.savePath.trimmed());
    if (marks.if_exists) {
        settings.if_exists = ifExistsCode(values);
        store("if_exists", QString::number(static_cast<int>(settings.if_exists)));
    }
    if (marks.is_proxy)
        storeBool("is_proxy", settings.is_proxy, values.proxy);
    if (marks.proxy_name)
        storeText("proxy_name", settings.proxy_name, values.proxyName.trimmed());
    if (marks.proxy_port)
        storeNumber("proxy_port", settings.proxy_port, Box::Port, values.proxyPort);
    if (marks.is_log)
        storeBool("is_log", settings.is_log, values.log);
    if (marks.log_dir) {
        settings.log_dir = values.logDir;
        settings.log_file_path = FileOps::BuildPath(settings.log_dir, settings.log_file_name);
        store("log_dir", settings.log_dir);
    }
    if (marks.proxy_type) {
        settings.proxy_type = values.socks5 ? ConnectionOptions::ProxyType::Socks5
                                            : ConnectionOptions::ProxyType::Http;
        store("proxy_type", values.socks5 ? QStringLiteral("socks5") : QStringLiteral("http"));
    }
    if (marks.proxy_user)
        storeText("proxy_user", settings.proxy_user, values.proxyUser.trimmed());
    // A password is taken as typed: blanks may belong to it.
    if (marks.proxy_password)
        storeText("proxy_password", settings.proxy_password, values.proxyPassword);
    // Refused where they are typed; never stored should one slip past.
    const auto header = [](const char *what, const QString &value) {
        return TransferRules::headerValueProblem(QLatin1String(what), value).isEmpty();
    };
    if (marks.user_agent && header("User-Agent", values.userAgent))
        storeText("user_agent", settings.user_agent, values.userAgent.trimmed());
    if (marks.referer && header("Referer", values.referer))
        storeText("referer", settings.referer, values.referer.trimmed());
    if (marks.cookie_file)
        storeText("cookie_file", settings.cookie_file, values.cookieFile.trimmed());
    if (marks.ca_file)
        storeText("ca_file", settings.ca_file, values.caFile.trimmed());
    if (marks.stop_after_misses)
        storeNumber("stop_after_misses", settings.stop_after_misses, Box::Misses, values.misses);
    if (marks.retries)
        storeNumber("retries", settings.retries, Box::Retries, values.retries);
}
