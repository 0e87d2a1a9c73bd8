#include "SettingsStore.h"

#include "ProgramPaths.h"

#include <QSettings>
#include <QVariant>
#include <cmath>

namespace {

struct KeyDefault
{
    const char *key;
    const char *defaultText; // nullptr: computed or given by the caller
};

// Every key of the store with its default text, in the order of the key table.
constexpr KeyDefault keyTable[] = {
    {"main_width", nullptr},  {"main_height", nullptr},
    {"main_top", nullptr},    {"main_left", nullptr},
    {"url1_0", ""},           {"url1_1", ""},
    {"url1_2", ""},           {"url1_3", ""},
    {"url1_4", ""},           {"url3", ".jpg"},
    {"isMultiple", "True"},   {"exit_ifover", "False"},
    {"max_downloads", "100"}, {"is_number_mode", "True"},
    {"increment", "1"},       {"append_str", ""},
    {"is_header", "True"},    {"pause_time", "1"},
    {"is_save", "True"},      {"save_dir", nullptr},
    {"if_exists", "3"},       {"is_proxy", "False"},
    {"proxy_name", ""},       {"proxy_port", "80"},
    {"is_log", "False"},      {"log_dir", nullptr},
};

// Every key lives in the group [Options] of the store.
QString storeKey(const QString &key)
{
    return QStringLiteral("Options/") + key;
}

QVariant storedValue(const QString &key)
{
    return QSettings(QStringLiteral("Quillop"), QStringLiteral("Quillop")).value(storeKey(key));
}

// QSettings hands back a list for a stored text with unquoted commas written by hand.
QString toText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

QStringList SettingsStore::allKeys()
{
    QStringList keys;
    for (const KeyDefault &k : keyTable)
        keys.append(QString::fromLatin1(k.key));
    return keys;
}

QString SettingsStore::defaultText(const QString &key)
{
    if (key == QLatin1String("save_dir"))
        return ProgramPaths::defaultSaveDir();
    if (key == QLatin1String("log_dir"))
        return ProgramPaths::defaultLogDir();
    for (const KeyDefault &k : keyTable) {
        if (key == QLatin1String(k.key) && k.defaultText)
            return QString::fromLatin1(k.defaultText);
    }
    return {};
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
    const QVariant value = storedValue(key);
    if (!value.isValid())
        return defaultText(key);
    return toText(value);
}

void SettingsStore::write(const QString &key, const QString &value)
{
    QSettings store(QStringLiteral("Quillop"), QStringLiteral("Quillop"));
    store.setValue(storeKey(key), value);
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
    const QString t = text.trimmed();
    // An optional sign, digits, and an optional fraction: no exponents, no hexadecimal,
    // no grouping, no locale's decimal comma.
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
    // Round half to even.
    const double rounded = std::nearbyint(number);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

bool SettingsStore::readBool(const QString &key)
{
    if (const auto value = parseBool(read(key)))
        return *value;
    return parseBool(defaultText(key)).value_or(false);
}

qint16 SettingsStore::readInt16(const QString &key)
{
    if (const auto value = parseInt16(read(key)))
        return *value;
    return parseInt16(defaultText(key)).value_or(0);
}

quint8 SettingsStore::readIfExists()
{
    const auto value = parseInt16(read(QStringLiteral("if_exists")));
    if (value && *value >= 1 && *value <= 4)
        return static_cast<quint8>(*value);
    return 3;
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
