#pragma once

#include <QSize>

class QWidget;

// The main window's position and size as the store keeps them: the outer frame, in twips,
// as decimal text under main_width, main_height, main_top and main_left.
namespace WindowGeometry {

// The logical DPI of the screen the window is on (96 when it has none yet).
double logicalDpi(const QWidget *window);

void save(const QWidget *window);

// Applies the stored values, each key on its own; a missing key or a text that is not a
// usable number leaves that value as it is. Returns the outer size asked for, in pixels,
// so that the caller can correct the size once the window manager's frame is known;
// an invalid size when the size stayed as it was.
QSize restore(QWidget *window);

} // namespace WindowGeometry
