#include "NumericCheck.h"

#include "SettingsStore.h"

#include <QCoreApplication>

int NumericCheck::lowerBound(Box box)
{
    switch (box) {
    case Box::Increment:
    case Box::Pause:
    case Box::Port:
        return 1;
    case Box::MaxFiles:
    case Box::Misses:
    case Box::Retries:
        break;
    }
    return 0;
}

QString NumericCheck::message(Box box)
{
    switch (box) {
    case Box::MaxFiles:
        return QCoreApplication::translate("NumericCheck",
                                           "Error : Max Downloads Has to be a Number");
    case Box::Increment:
        return QCoreApplication::translate("NumericCheck", "Error : Increment Has to be a Number");
    case Box::Pause:
        return QCoreApplication::translate("NumericCheck",
                                           "Error : Pause time has be a positive Number");
    case Box::Misses:
        return QCoreApplication::translate("NumericCheck",
                                           "Error : Misses in a row Has to be a Number");
    case Box::Retries:
        return QCoreApplication::translate("NumericCheck", "Error : Retries Has to be a Number");
    case Box::Port:
        break;
    }
    return QCoreApplication::translate("NumericCheck",
                                       "Error : Http Port Number Has to be a Number");
}

std::optional<int> NumericCheck::accepted(Box box, const QString &text)
{
    const std::optional<int> value = box == Box::Port
                                         ? SettingsStore::parsePort(text)
                                         : std::optional<int>(SettingsStore::parseInt16(text));
    if (!value || *value < lowerBound(box))
        return std::nullopt;
    return value;
}
