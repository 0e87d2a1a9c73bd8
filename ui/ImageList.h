#pragma once

#include "MainWindowElements.h"

#include <QIcon>
#include <QString>

// The window's image list imglst: six pictures compiled into the program, addressed by
// their index or key.
namespace ImageList {

// Makes the compiled-in pictures available (idempotent).
void ensureResources();

// The resource path of a picture (":/icons/on.svg", ...).
QString resourcePath(ImageKey key);
QIcon icon(ImageKey key);
// A picture by its key ("on", "off", "stopped", "is_image", "no_image").
QIcon icon(const QString &key);

} // namespace ImageList
