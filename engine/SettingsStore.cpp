#include "SettingsStore.h"

#include "ProgramPaths.h"
#include "ShownTexts.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <cmath>
#include <sys/stat.h>

namespace {

using SettingsStore::Key;
using SettingsStore::Setting;

// Every key lives in the group [Options] of the store.
QString storeKey(const QString &key)
{
    return QStringLiteral("Options/") + key;
}

QSettings openStore()
{
    // QSettings reads its file as it opens it: a FIFO in its place would hold the program
    // for ever, a device fill its memory. Such a store is left alone; the defaults apply.
    if (!SettingsStore::storeProblem().isEmpty())
        return QSettings(QString(), QSettings::IniFormat);
    return QSettings(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
}

QVariant storedValue(const QString &key)
{
    return openStore().value(storeKey(key));
}

// QSettings hands back a list for a stored text with unquoted commas written by hand.
QString toText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// A decimal number with an optional sign and fraction, rounded half to even: no exponents,
// no hexadecimal, no grouping, no locale's decimal comma.
std::optional<double> parseRounded(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0 || i != t.size())
        return std::nullopt;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return std::nearbyint(number);
}

// A store that holds a proxy password is the user's alone to read.
// QSettings writes a temporary file and renames it over the store; both must be the
// owner's alone from the moment they exist, not made so after the password is on disk.
void protectIfSecret(QSettings &store)
{
    if (store.value(storeKey(QStringLiteral("proxy_password"))).toString().isEmpty())
        return;
    // The temporary file takes the mode of the file it replaces, a new one the umask's.
    QFile::setPermissions(store.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    const mode_t previous = ::umask(0077);
    store.sync();
    ::umask(previous);
    QFile::setPermissions(store.fileName(), QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

QString SettingsStore::storeProblem()
{
    // Where QSettings keeps the user's store of the organization and application "Quillop".
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Quillop/Quillop.conf");
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return ShownTexts::storeNotRegular(path);
}

QString SettingsStore::name(Key key)
{
    return QString::fromLatin1(setting(key).name);
}

SettingsStore::Type SettingsStore::type(Key key)
{
    return setting(key).type;
}

std::optional<Key> SettingsStore::keyNamed(const QString &name)
{
    for (const Setting &r : allSettings()) {
        if (name == QLatin1String(r.name))
            return r.key;
    }
    return std::nullopt;
}

QStringList SettingsStore::allKeys()
{
    QStringList keys;
    for (const Setting &r : allSettings())
        keys.append(QString::fromLatin1(r.name));
    return keys;
}

QString SettingsStore::defaultText(Key key)
{
    if (key == Key::save_dir)
        return ProgramPaths::defaultSaveDir();
    if (key == Key::log_dir)
        return ProgramPaths::defaultLogDir();
    const char *text = setting(key).defaultText;
    return text ? QString::fromLatin1(text) : QString();
}

QString SettingsStore::defaultText(const QString &key)
{
    const auto k = keyNamed(key);
    return k ? defaultText(*k) : QString();
}

QString SettingsStore::read(Key key)
{
    const QVariant value = storedValue(name(key));
    if (!value.isValid())
        return defaultText(key);
    return toText(value);
}

QStringList SettingsStore::readAll()
{
    // One opening of the store for every key: each opening looks the file up again.
    const QSettings store = openStore();
    QStringList texts;
    for (const Setting &row : allSettings()) {
        const QVariant value = store.value(storeKey(name(row.key)));
        texts.append(value.isValid() ? toText(value) : defaultText(row.key));
    }
    return texts;
}

QString SettingsStore::read(const QString &key, const QString &defaultText)
{
    const QVariant value = storedValue(key);
    if (!value.isValid())
        return defaultText;
    return toText(value);
}

QString SettingsStore::read(const QString &key)
{
    return read(key, defaultText(key));
}

void SettingsStore::write(const QString &key, const QString &value)
{
    QSettings store = openStore();
    store.setValue(storeKey(key), value);
    protectIfSecret(store);
}

void SettingsStore::write(Key key, const QString &value)
{
    write(name(key), value);
}

bool SettingsStore::contains(const QString &key)
{
    return storedValue(key).isValid();
}

QString SettingsStore::boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> SettingsStore::parseBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (ok && std::isfinite(number))
        return number != 0.0;
    return std::nullopt;
}

std::optional<qint16> SettingsStore::parseInt16(const QString &text)
{
    const auto number = parseRounded(text);
    if (!number || *number < -32768.0 || *number > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(*number);
}

std::optional<int> SettingsStore::parsePort(const QString &text)
{
    const auto number = parseRounded(text);
    if (!number || *number < 1.0 || *number > 65535.0)
        return std::nullopt;
    return static_cast<int>(*number);
}

bool SettingsStore::readBool(Key key)
{
    if (const auto value = parseBool(read(key)))
        return *value;
    return parseBool(defaultText(key)).value_or(false);
}

bool SettingsStore::readBool(const QString &key)
{
    const auto k = keyNamed(key);
    return k ? readBool(*k) : parseBool(read(key)).value_or(false);
}

qint16 SettingsStore::readInt16(Key key)
{
    if (const auto value = parseInt16(read(key)))
        return *value;
    return parseInt16(defaultText(key)).value_or(0);
}

qint16 SettingsStore::readInt16(const QString &key)
{
    const auto k = keyNamed(key);
    return k ? readInt16(*k) : parseInt16(read(key)).value_or(0);
}

double SettingsStore::readSingle(const QString &key, double fallback)
{
    const QString text = read(key, QString());
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value))
        return fallback;
    return value;
}

std::optional<int> SettingsStore::acceptedInDialog(Key key, const QString &text)
{
    const Setting &s = setting(key);
    const std::optional<int> value =
        s.type == Type::Port ? parsePort(text) : std::optional<int>(parseInt16(text));
    if (!value || *value < s.dialogMin || (s.type == Type::Int16 && *value > s.max))
        return std::nullopt;
    return value;
}
