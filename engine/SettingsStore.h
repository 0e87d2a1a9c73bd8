#pragma once

#include "ConnectionOptions.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <variant>

struct RunSettings;

// What to do when the target file of a picture exists; stored in if_exists as its number.
enum class IfExistsPolicy : quint8 { Skip = 1, Overwrite = 2, Prompt = 3, Rename = 4 };

// The per-user store: QSettings of organization and application "Quillop", group "Options".
// On Linux that is Quillop/Quillop.conf in the user's configuration directory. Every value is
// a text: Booleans "True"/"False", numbers in decimal. Other copies of the program share the
// file, so everything goes through QSettings.
//
// Every setting is one row of the table in SettingsTable.cpp: its key, type, default, range,
// the RunSettings field it fills, its caption in the options dialog and its `quillop get`
// option. The store's reads, the dialog's binding, marks, checks and apply step, and the
// command line's options and help all follow from that row. A key below without its row
// does not build.
namespace SettingsStore {

enum class Key {
    main_width,
    main_height,
    main_top,
    main_left,
    url1_0,
    url1_1,
    url1_2,
    url1_3,
    url1_4,
    url3,
    isMultiple,
    exit_ifover,
    max_downloads,
    is_number_mode,
    increment,
    append_str,
    is_header,
    pause_time,
    is_save,
    save_dir,
    if_exists,
    is_proxy,
    proxy_name,
    proxy_port,
    is_log,
    log_dir,
    proxy_type,
    proxy_user,
    proxy_password,
    user_agent,
    referer,
    cookie_file,
    ca_file,
    stop_after_misses,
    retries,
    parallel,
    count // not a key: the number of keys
};
constexpr int keyCount = static_cast<int>(Key::count);

enum class Type {
    Geometry, // single-precision number; no default (the window's current value)
    Text,
    Bool,     // "True"/"False"
    Int16,    // 16-bit signed decimal
    Policy,   // if_exists: 1 to 4
    Port,     // 1 to 65535
    ProxyType // "http" or "socks5"
};

// How a `quillop get` option turns its argument into the setting's stored text.
enum class OptionValue {
    Number,    // a whole number within the setting's range
    Text,      // as given
    Directory, // an existing directory, made absolute
    File,      // a readable file, made absolute
    Choice,    // one of the words of `choices` ("skip=1 overwrite=2"), stored as its value
    Switch     // no argument: stores `choices`
};

struct CliOption
{
    const char *name = nullptr; // nullptr: none
    const char *valueName = nullptr;
    const char *help = nullptr;
    int helpOrder = 0; // where `quillop get --help` lists it
    OptionValue value = OptionValue::Text;
    const char *choices = nullptr;
};

// The RunSettings field a setting fills; none for the keys that are no run setting.
using Field =
    std::variant<std::monostate, bool RunSettings::*, qint16 RunSettings::*, int RunSettings::*,
                 QString RunSettings::*, IfExistsPolicy RunSettings::*,
                 ConnectionOptions::ProxyType RunSettings::*>;

struct Setting
{
    Key key;
    const char *name; // the store's key
    Type type;
    const char *defaultText; // nullptr: computed (directories) or the window's (geometry)
    Field field = {};
    int min = 0, max = 0; // numbers: what the store and the command line take
    int dialogMin = 0;    // numbers: the options dialog's box refuses anything below
    bool trimmed = true;  // texts: blanks around a value typed in the dialog are dropped
    // The request header the value is sent in; such a value with a control character could
    // smuggle in a header of its own and is refused wherever it is entered.
    const char *header = nullptr;
    const char *caption = nullptr; // the dialog's label beside the setting's control
    const char *tooltip = nullptr;
    const char *refusal = nullptr; // a number or file box's message when it refuses its text
    CliOption cli[2] = {};
};

const Setting &setting(Key key);
std::span<const Setting> allSettings();

// Empty when the store can be used; otherwise why not (it is no regular file: a FIFO or a
// device would block or flood the read), for the user. Reads then give the defaults.
QString storeProblem();

QString name(Key key);
Type type(Key key);
std::optional<Key> keyNamed(const QString &name);

// Every key the program uses, in the order of the key table.
QStringList allKeys();

// The setting's field of RunSettings: set from a stored text (with the fallbacks of a read:
// the default for a text that does not convert, port 0 for no port), and read back as the
// text the store keeps. Keys that are not run settings (geometry, remembered addresses) are
// left alone and read as an empty text.
bool isRunSetting(Key key);
void assign(RunSettings &settings, Key key, const QString &text);
QString textOf(const RunSettings &settings, Key key);

// The default text of a key (save_dir and log_dir: the program's default directories;
// the geometry keys have none: their default is the window's current value).
QString defaultText(Key key);
QString defaultText(const QString &key);

QString read(Key key); // with the key's default
// Every key's text, in the order of the key table, read at one opening of the store.
QStringList readAll();
QString read(const QString &key, const QString &defaultText);
QString read(const QString &key);
void write(Key key, const QString &value);
void write(const QString &key, const QString &value);
bool contains(const QString &key);

// Typed reads; a stored text that does not convert gives the key's default.
bool readBool(Key key);
bool readBool(const QString &key);
qint16 readInt16(Key key);
qint16 readInt16(const QString &key);
// Geometry: a single-precision number; fallback when absent or not a number.
double readSingle(const QString &key, double fallback);

// Text conversions shared with the options dialog and the command line.
QString boolText(bool value);
std::optional<bool> parseBool(const QString &text);
// A decimal number with blanks around it, an optional sign and an optional fraction,
// rounded half to even; nullopt when it is not such a number or is outside 16 bits.
std::optional<qint16> parseInt16(const QString &text);
// A port: the same number rules, 1 to 65535.
std::optional<int> parsePort(const QString &text);
// What a number box of the options dialog takes for a number setting: the number rules of
// its type, not below the dialog's bound.
std::optional<int> acceptedInDialog(Key key, const QString &text);
// Why text cannot be the value of the setting (a header value with a control character);
// empty when it can.
QString valueProblem(Key key, const QString &text);

} // namespace SettingsStore
