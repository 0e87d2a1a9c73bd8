#include "NumericCheck.h"

#include "SettingsStore.h"

qint16 NumericCheck::lowerBound(Box box)
{
    switch (box) {
    case Box::Increment:
    case Box::Pause:
        return 1;
    case Box::MaxFiles:
    case Box::Port:
        break;
    }
    return 0;
}

QString NumericCheck::message(Box box)
{
    switch (box) {
    case Box::MaxFiles:
        return QStringLiteral("Error : Max Downloads Has to be a Number");
    case Box::Increment:
        return QStringLiteral("Error : Increment Has to be a Number");
    case Box::Pause:
        return QStringLiteral("Error : Pause time has be a positive Number");
    case Box::Port:
        break;
    }
    return QStringLiteral("Error : Http Port Number Has to be a Number");
}

std::optional<qint16> NumericCheck::accepted(Box box, const QString &text)
{
    const std::optional<qint16> value = SettingsStore::parseInt16(text);
    if (!value || *value < lowerBound(box))
        return std::nullopt;
    return value;
}
