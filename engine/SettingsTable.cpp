// The settings, one row each. A new setting is its row here, its field in RunSettings, its
// use, and (when the dialog shows it) its control placed on a page and bound to the key.
#include "SettingsStore.h"

#include "ProgramPaths.h"
#include "RunSettings.h"
#include "TransferRules.h"

#include <QtGlobal>
#include <array>
#include <variant>

namespace {

using SettingsStore::Key;
using SettingsStore::OptionValue;
using SettingsStore::Setting;
using SettingsStore::Type;

constexpr int int16Min = -32768;
constexpr int int16Max = 32767;

// clang-format off
// The captions, tooltips, refusals and help lines are marked for lupdate in full: it does not
// expand macros.
constexpr std::array<Setting, SettingsStore::keyCount> table = {{
    {.key = Key::main_width, .name = "main_width", .type = Type::Geometry, .defaultText = nullptr},
    {.key = Key::main_height, .name = "main_height", .type = Type::Geometry, .defaultText = nullptr},
    {.key = Key::main_top, .name = "main_top", .type = Type::Geometry, .defaultText = nullptr},
    {.key = Key::main_left, .name = "main_left", .type = Type::Geometry, .defaultText = nullptr},
    {.key = Key::url1_0, .name = "url1_0", .type = Type::Text, .defaultText = ""},
    {.key = Key::url1_1, .name = "url1_1", .type = Type::Text, .defaultText = ""},
    {.key = Key::url1_2, .name = "url1_2", .type = Type::Text, .defaultText = ""},
    {.key = Key::url1_3, .name = "url1_3", .type = Type::Text, .defaultText = ""},
    {.key = Key::url1_4, .name = "url1_4", .type = Type::Text, .defaultText = ""},
    {.key = Key::url3, .name = "url3", .type = Type::Text, .defaultText = ".jpg"},
    {.key = Key::isMultiple, .name = "isMultiple", .type = Type::Bool, .defaultText = "True", .field = &RunSettings::isMultiple,
     .cli = {{.name = "single", .help = QT_TRANSLATE_NOOP("SettingsStore", "fetch the one address only"), .helpOrder = 120,
              .value = OptionValue::Switch, .choices = "False"}}},
    {.key = Key::exit_ifover, .name = "exit_ifover", .type = Type::Bool, .defaultText = "False", .field = &RunSettings::exit_ifover},
    {.key = Key::max_downloads, .name = "max_downloads", .type = Type::Int16, .defaultText = "100", .field = &RunSettings::max_downloads,
     .min = 1, .max = int16Max, .dialogMin = 0,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Max downloads "),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "Max number of image downloads  to be attempted.  Once the limit is reached "
                  "the attempts will stop."),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : Max Downloads Has to be a Number"),
     .cli = {{.name = "max", .valueName = "N", .help = QT_TRANSLATE_NOOP("SettingsStore", "make at most N attempts"), .helpOrder = 50,
              .value = OptionValue::Number}}},
    {.key = Key::is_number_mode, .name = "is_number_mode", .type = Type::Bool, .defaultText = "True", .field = &RunSettings::is_number_mode,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Increment Mode"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", ": Some image series increase by characters e.g.  A,B,C,D etc. For such series "
                  "change the mode to character. The Input Box 2 on the main screen will change "
                  "to Numeric to Character. and vice versa"),
     .cli = {{.name = "letters", .help = QT_TRANSLATE_NOOP("SettingsStore", "the counter counts letters"), .helpOrder = 70,
              .value = OptionValue::Switch, .choices = "False"},
             {.name = "numbers", .help = QT_TRANSLATE_NOOP("SettingsStore", "the counter counts numbers"), .helpOrder = 80,
              .value = OptionValue::Switch, .choices = "True"}}},
    {.key = Key::increment, .name = "increment", .type = Type::Int16, .defaultText = "1", .field = &RunSettings::increment,
     .min = int16Min, .max = int16Max, .dialogMin = 1,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Increment by"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "Usually the increment step is 1.  But Sometimes you may find the increments "
                  "are by 3 or 4 etc"),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : Increment Has to be a Number"),
     .cli = {{.name = "increment", .valueName = "N", .help = QT_TRANSLATE_NOOP("SettingsStore", "step the counter by N (not 0)"),
              .helpOrder = 60, .value = OptionValue::Number}}},
    {.key = Key::append_str, .name = "append_str", .type = Type::Text, .defaultText = "", .field = &RunSettings::append_str,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Add Charactors"),
     .cli = {{.name = "append", .valueName = "TEXT", .help = QT_TRANSLATE_NOOP("SettingsStore", "add TEXT to each saved name"),
              .helpOrder = 100}}},
    {.key = Key::is_header, .name = "is_header", .type = Type::Bool, .defaultText = "True", .field = &RunSettings::is_header,
     .cli = {{.name = "append-at", .valueName = "WHERE", .help = QT_TRANSLATE_NOOP("SettingsStore", "where the text goes: start or end"),
              .helpOrder = 110, .value = OptionValue::Choice, .choices = "start=True end=False"}}},
    {.key = Key::pause_time, .name = "pause_time", .type = Type::Int16, .defaultText = "1", .field = &RunSettings::pause_time,
     .min = 0, .max = int16Max, .dialogMin = 1,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Pause between downloads in seconds"),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : Pause time has be a positive Number"),
     .cli = {{.name = "pause", .valueName = "SECONDS", .help = QT_TRANSLATE_NOOP("SettingsStore", "pause between attempts"),
              .helpOrder = 40, .value = OptionValue::Number}}},
    {.key = Key::is_save, .name = "is_save", .type = Type::Bool, .defaultText = "True", .field = &RunSettings::is_save},
    {.key = Key::save_dir, .name = "save_dir", .type = Type::Text, .defaultText = nullptr, .field = &RunSettings::save_dir,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Save to"), .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "Select the save directory"),
     .cli = {{.name = "save-dir", .valueName = "DIR", .help = QT_TRANSLATE_NOOP("SettingsStore", "save the pictures in DIR"),
              .helpOrder = 10, .value = OptionValue::Directory}}},
    {.key = Key::if_exists, .name = "if_exists", .type = Type::Policy, .defaultText = "3", .field = &RunSettings::if_exists,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "If file name exists"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "If the name of the file exists what application should do"),
     .cli = {{.name = "if-exists", .valueName = "POLICY",
              .help = QT_TRANSLATE_NOOP("SettingsStore", "skip, overwrite or rename an existing file"), .helpOrder = 90,
              .value = OptionValue::Choice, .choices = "skip=1 overwrite=2 rename=4"}}},
    {.key = Key::is_proxy, .name = "is_proxy", .type = Type::Bool, .defaultText = "False", .field = &RunSettings::is_proxy,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "I use a proxy server to connect to internet"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "If you are using a proxy server select yes and fill details of the proxy"),
     .cli = {{.name = "no-proxy", .help = QT_TRANSLATE_NOOP("SettingsStore", "connect directly"), .helpOrder = 160,
              .value = OptionValue::Switch, .choices = "False"}}},
    {.key = Key::proxy_name, .name = "proxy_name", .type = Type::Text, .defaultText = "", .field = &RunSettings::proxy_name,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Proxy server"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "enter the server name or the IP address. This option is visible only when the "
                  "yes is selected for the proxy server")},
    {.key = Key::proxy_port, .name = "proxy_port", .type = Type::Port, .defaultText = "80", .field = &RunSettings::proxy_port,
     .min = 1, .max = 65535, .dialogMin = 1,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Http Port"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", ": Enter the port which the proxy is running on the server. Usually this port "
                  "is 80.  This option is visible only when the yes is selected for the proxy "
                  "server."),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : Http Port Number Has to be a Number")},
    {.key = Key::is_log, .name = "is_log", .type = Type::Bool, .defaultText = "False", .field = &RunSettings::is_log,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Log to file"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "If you need to log the file download attempts you may select yes option"),
     .cli = {{.name = "no-log", .help = QT_TRANSLATE_NOOP("SettingsStore", "write no daily log"), .helpOrder = 30,
              .value = OptionValue::Switch, .choices = "False"}}},
    {.key = Key::log_dir, .name = "log_dir", .type = Type::Text, .defaultText = nullptr, .field = &RunSettings::log_dir,
     .trimmed = false, .caption = QT_TRANSLATE_NOOP("SettingsStore", "Save to"),
     .cli = {{.name = "log-dir", .valueName = "DIR", .help = QT_TRANSLATE_NOOP("SettingsStore", "write the daily log in DIR"),
              .helpOrder = 20, .value = OptionValue::Directory}}},
    {.key = Key::proxy_type, .name = "proxy_type", .type = Type::ProxyType, .defaultText = "http", .field = &RunSettings::proxy_type,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Proxy type"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "The kind of proxy server: an HTTP proxy or a SOCKS5 proxy")},
    {.key = Key::proxy_user, .name = "proxy_user", .type = Type::Text, .defaultText = "", .field = &RunSettings::proxy_user,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Proxy user"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "The user name the proxy asks for; leave it empty when the proxy asks for none")},
    {.key = Key::proxy_password, .name = "proxy_password", .type = Type::Text, .defaultText = "", .field = &RunSettings::proxy_password,
     .trimmed = false, // blanks may belong to a password
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Proxy password"), .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "The password of the proxy user")},
    {.key = Key::user_agent, .name = "user_agent", .type = Type::Text, .defaultText = "Mozilla/5.0", .field = &RunSettings::user_agent,
     .header = "User-Agent",
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "User-Agent"), .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "How the program names itself to the servers"),
     .cli = {{.name = "user-agent", .valueName = "TEXT", .help = QT_TRANSLATE_NOOP("SettingsStore", "the User-Agent sent"),
              .helpOrder = 180}}},
    {.key = Key::referer, .name = "referer", .type = Type::Text, .defaultText = "", .field = &RunSettings::referer,
     .header = "Referer",
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Referer"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "The page the requests say they come from: none, the address of the picture up "
                  "to its last \"/\", or the address typed here"),
     .cli = {{.name = "referer", .valueName = "REFERER",
              .help = QT_TRANSLATE_NOOP("SettingsStore", "auto or an address to send as Referer"), .helpOrder = 170}}},
    {.key = Key::cookie_file, .name = "cookie_file", .type = Type::Text, .defaultText = "", .field = &RunSettings::cookie_file,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Cookie file"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "A cookies.txt file whose cookies are sent with the requests; empty for none"),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : The cookie file cannot be read"),
     .cli = {{.name = "cookies", .valueName = "FILE",
              .help = QT_TRANSLATE_NOOP("SettingsStore", "send the cookies of a cookies.txt file"), .helpOrder = 190,
              .value = OptionValue::File}}},
    {.key = Key::ca_file, .name = "ca_file", .type = Type::Text, .defaultText = "", .field = &RunSettings::ca_file,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Certificate (CA) file"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "A PEM file of certificate authorities to trust besides the system's; empty "
                  "for none"),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : The certificate file cannot be read"),
     .cli = {{.name = "ca-file", .valueName = "FILE",
              .help = QT_TRANSLATE_NOOP("SettingsStore", "also trust the authorities in a PEM file"), .helpOrder = 200,
              .value = OptionValue::File}}},
    {.key = Key::stop_after_misses, .name = "stop_after_misses", .type = Type::Int16,
     .defaultText = "10", .field = &RunSettings::stop_after_misses, .min = 0, .max = int16Max, .dialogMin = 0,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Stop after misses in a row (0 = never)"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "End the run after this many pictures in a row were not found or were no "
                  "picture. 0 never ends it early."),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : Misses in a row Has to be a Number"),
     .cli = {{.name = "stop-after-misses", .valueName = "N", .help = QT_TRANSLATE_NOOP("SettingsStore", "end after N misses in a row"),
              .helpOrder = 130, .value = OptionValue::Number}}},
    {.key = Key::retries, .name = "retries", .type = Type::Int16, .defaultText = "2", .field = &RunSettings::retries,
     .min = 0, .max = int16Max, .dialogMin = 0,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Retries"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "How many more times a download is tried when it failed for a passing reason, "
                  "such as a timeout or a reset connection."),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : Retries Has to be a Number"),
     .cli = {{.name = "retries", .valueName = "N", .help = QT_TRANSLATE_NOOP("SettingsStore", "try a passing failure N more times"),
              .helpOrder = 140, .value = OptionValue::Number}}},
    {.key = Key::parallel, .name = "parallel", .type = Type::Int16, .defaultText = "1", .field = &RunSettings::parallel,
     .min = 1, .max = 16, .dialogMin = 1,
     .caption = QT_TRANSLATE_NOOP("SettingsStore", "Pictures at once"),
     .tooltip = QT_TRANSLATE_NOOP("SettingsStore", "How many pictures are fetched at the same time (1 to 16). They are still "
                  "saved, shown and logged in the order of the series."),
     .refusal = QT_TRANSLATE_NOOP("SettingsStore", "Error : Pictures at once Has to be 1 to 16"),
     .cli = {{.name = "parallel", .valueName = "N", .help = QT_TRANSLATE_NOOP("SettingsStore", "fetch up to N pictures at once"),
              .helpOrder = 145, .value = OptionValue::Number}}},
}};
// clang-format on


// A row missing from the table leaves a zeroed row behind, whose key is not its place.
constexpr bool eachRowInItsPlace()
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].key) != i || table[i].name == nullptr)
            return false;
    }
    return true;
}
static_assert(eachRowInItsPlace(), "one row per key, in the order of the enum");

} // namespace

const Setting &SettingsStore::setting(Key key)
{
    return table[static_cast<std::size_t>(key)];
}

std::span<const Setting> SettingsStore::allSettings()
{
    return table;
}

QString SettingsStore::valueProblem(Key key, const QString &text)
{
    const char *header = setting(key).header;
    return header ? TransferRules::headerValueProblem(QLatin1String(header), text) : QString();
}

bool SettingsStore::isRunSetting(Key key)
{
    return !std::holds_alternative<std::monostate>(setting(key).field);
}

void SettingsStore::assign(RunSettings &s, Key key, const QString &text)
{
    const QString fallback = defaultText(key);
    std::visit(
        [&](auto field) {
            using F = decltype(field);
            if constexpr (std::is_same_v<F, bool RunSettings::*>) {
                s.*field = parseBool(text).value_or(parseBool(fallback).value_or(false));
            } else if constexpr (std::is_same_v<F, qint16 RunSettings::*>) {
                s.*field = parseInt16(text).value_or(parseInt16(fallback).value_or(0));
            } else if constexpr (std::is_same_v<F, int RunSettings::*>) {
                // A port that is no port reads as 0, so that the fetch fails as a malformed
                // proxy address instead of silently going to another port.
                s.*field = parsePort(text).value_or(0);
            } else if constexpr (std::is_same_v<F, QString RunSettings::*>) {
                s.*field = text;
            } else if constexpr (std::is_same_v<F, IfExistsPolicy RunSettings::*>) {
                const auto value = parseInt16(text);
                s.*field = value && *value >= 1 && *value <= 4 ? static_cast<IfExistsPolicy>(*value)
                                                               : IfExistsPolicy::Prompt;
            } else if constexpr (std::is_same_v<F, ConnectionOptions::ProxyType RunSettings::*>) {
                // "http" or "socks5", without regard to case; anything else reads as "http".
                const bool socks5 =
                    text.trimmed().compare(QLatin1String("socks5"), Qt::CaseInsensitive) == 0;
                s.*field = socks5 ? ConnectionOptions::ProxyType::Socks5
                                  : ConnectionOptions::ProxyType::Http;
            }
        },
        setting(key).field);
}

QString SettingsStore::textOf(const RunSettings &s, Key key)
{
    return std::visit(
        [&](auto field) -> QString {
            using F = decltype(field);
            if constexpr (std::is_same_v<F, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<F, bool RunSettings::*>) {
                return boolText(s.*field);
            } else if constexpr (std::is_same_v<F, QString RunSettings::*>) {
                return s.*field;
            } else if constexpr (std::is_same_v<F, IfExistsPolicy RunSettings::*>) {
                return QString::number(static_cast<int>(s.*field));
            } else if constexpr (std::is_same_v<F, ConnectionOptions::ProxyType RunSettings::*>) {
                return s.*field == ConnectionOptions::ProxyType::Socks5 ? QStringLiteral("socks5")
                                                                        : QStringLiteral("http");
            } else {
                return QString::number(s.*field);
            }
        },
        setting(key).field);
}
