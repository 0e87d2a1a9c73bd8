#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What to do when the target file of a picture exists; stored in if_exists as its number.
enum class IfExistsPolicy : quint8 { Skip = 1, Overwrite = 2, Prompt = 3, Rename = 4 };

// The per-user store: QSettings of organization and application "Quillop", group "Options".
// On Linux that is Quillop/Quillop.conf in the user's configuration directory. Every value is
// a text: Booleans "True"/"False", numbers in decimal. Other copies of the program share the
// file, so everything goes through QSettings.
//
// Every key is a row of one table (name, type, default); reads convert in one place and fall
// back to the key's default for a text that does not convert. A new setting is one row here
// plus its use.
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
};

enum class Type {
    Geometry, // single-precision number; no default (the window's current value)
    Text,
    Bool,     // "True"/"False"
    Int16,    // 16-bit signed decimal
    Policy,   // if_exists: 1 to 4
    Port,     // 1 to 65535
    ProxyType // "http" or "socks5"
};

QString name(Key key);
Type type(Key key);
std::optional<Key> keyNamed(const QString &name);

// Every key the program uses, in the order of the key table.
QStringList allKeys();

// The default text of a key (save_dir and log_dir: the program's default directories;
// the geometry keys have none: their default is the window's current value).
QString defaultText(Key key);
QString defaultText(const QString &key);

QString read(Key key); // with the key's default
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
IfExistsPolicy readIfExists();
// The proxy port: 0 when the stored text is no port (1 to 65535), so that the fetch fails
// as a malformed proxy address instead of silently going to another port.
int readPort(Key key);
// proxy_type: "http" or "socks5", without regard to case; anything else reads as "http".
bool readSocks5();
// Geometry: a single-precision number; fallback when absent or not a number.
double readSingle(const QString &key, double fallback);

// Text conversions shared with the options dialog.
QString boolText(bool value);
std::optional<bool> parseBool(const QString &text);
// A decimal number with blanks around it, an optional sign and an optional fraction,
// rounded half to even; nullopt when it is not such a number or is outside 16 bits.
std::optional<qint16> parseInt16(const QString &text);
// A port: the same number rules, 1 to 65535.
std::optional<int> parsePort(const QString &text);

} // namespace SettingsStore
