#include "ImageKey.h"

QString imageKeyName(ImageKey key)
{
    switch (key) {
    case ImageKey::On:
        return QStringLiteral("on");
    case ImageKey::Off:
        return QStringLiteral("off");
    case ImageKey::Spare:
        return {};
    case ImageKey::Stopped:
        return QStringLiteral("stopped");
    case ImageKey::IsImage:
        return QStringLiteral("is_image");
    case ImageKey::NoImage:
        return QStringLiteral("no_image");
    }
    return {};
}
