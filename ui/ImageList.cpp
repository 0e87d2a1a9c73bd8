#include "ImageList.h"

#include <QHash>

// Outside any namespace: the macro declares the registration function where it stands.
static void registerAssets()
{
    Q_INIT_RESOURCE(assets);
}

void ImageList::ensureResources()
{
    // The pictures are compiled into this static library, and the linker drops their
    // registration unless something refers to it.
    static const bool registered = (registerAssets(), true);
    Q_UNUSED(registered);
}

QString ImageList::resourcePath(ImageKey key)
{
    // The pictures are named after their image-list keys; the spare one has none.
    const QString name = key == ImageKey::Spare ? QStringLiteral("spare") : imageKeyName(key);
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QIcon ImageList::icon(ImageKey key)
{
    // Icons are shared, cheap handles; building them once keeps the tray updates of a
    // fast run from reparsing the SVG every time.
    ensureResources();
    static QHash<int, QIcon> cache;
    const int index = static_cast<int>(key);
    auto it = cache.find(index);
    if (it == cache.end())
        it = cache.insert(index, QIcon(resourcePath(key)));
    return *it;
}

QIcon ImageList::icon(const QString &key)
{
    for (ImageKey k :
         {ImageKey::On, ImageKey::Off, ImageKey::Stopped, ImageKey::IsImage, ImageKey::NoImage}) {
        if (imageKeyName(k) == key)
            return icon(k);
    }
    return {};
}
