#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The per-user store: QSettings of organization and application "Quillop", group "Options".
// On Linux that is Quillop/Quillop.conf in the user's configuration directory. Every value is
// a text: Booleans "True"/"False", numbers in decimal. Other copies of the program share the
// file, so everything goes through QSettings.
namespace SettingsStore {

// Every key the program uses, in the order of the key table.
QStringList allKeys();

// The default text of a key (save_dir and log_dir: the program's default directories;
// the geometry keys have none: their default is the window's current value).
QString defaultText(const QString &key);

QString read(const QString &key, const QString &defaultText);
QString read(const QString &key); // with the key's default
void write(const QString &key, const QString &value);
bool contains(const QString &key);

// Typed reads; a stored text that does not convert gives the key's default.
bool readBool(const QString &key);
qint16 readInt16(const QString &key);
quint8 readIfExists();
// Geometry: a single-precision number; fallback when absent or not a number.
double readSingle(const QString &key, double fallback);

// Text conversions shared with the options dialog.
QString boolText(bool value);
std::optional<bool> parseBool(const QString &text);
// A decimal number with blanks around it, an optional sign and an optional fraction,
// rounded half to even; nullopt when it is not such a number or is outside 16 bits.
std::optional<qint16> parseInt16(const QString &text);

} // namespace SettingsStore
