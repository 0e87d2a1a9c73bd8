#include "WindowGeometry.h"

#include "SettingsStore.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

// X11 refuses windows beyond this; a garbled store must not produce one.
constexpr double LargestPixels = 32767;

// The stored twips as pixels, or the current value when the text gave nothing usable.
int storedPixels(const QString &key, int currentPixels, double dpi, bool isSize)
{
    const double current = Twips::fromPixels(currentPixels, dpi);
    const double twips = SettingsStore::readSingle(key, current);
    if (!std::isfinite(twips))
        return currentPixels;
    const double pixels = twips / Twips::perPixel(dpi);
    if (std::abs(pixels) > LargestPixels || (isSize && pixels < 1))
        return currentPixels;
    return Twips::toPixels(twips, dpi);
}

QString decimal(int pixels, double dpi)
{
    // Single precision, like the value it is read back into.
    return QString::number(static_cast<float>(Twips::fromPixels(pixels, dpi)));
}

} // namespace

double WindowGeometry::logicalDpi(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void WindowGeometry::save(const QWidget *window)
{
    const double dpi = logicalDpi(window);
    const QRect frame = window->frameGeometry();
    SettingsStore::write(QStringLiteral("main_width"), decimal(frame.width(), dpi));
    SettingsStore::write(QStringLiteral("main_height"), decimal(frame.height(), dpi));
    SettingsStore::write(QStringLiteral("main_top"), decimal(frame.y(), dpi));
    SettingsStore::write(QStringLiteral("main_left"), decimal(frame.x(), dpi));
}

QSize WindowGeometry::restore(QWidget *window)
{
    const double dpi = logicalDpi(window);
    const QRect frame = window->frameGeometry();
    const QSize margins = frame.size() - window->size();

    const int width = storedPixels(QStringLiteral("main_width"), frame.width(), dpi, true);
    const int height = storedPixels(QStringLiteral("main_height"), frame.height(), dpi, true);
    const int top = storedPixels(QStringLiteral("main_top"), frame.y(), dpi, false);
    const int left = storedPixels(QStringLiteral("main_left"), frame.x(), dpi, false);

    window->resize(qMax(1, width - margins.width()), qMax(1, height - margins.height()));
    if (top != frame.y() || left != frame.x())
        window->move(left, top);
    if (width == frame.width() && height == frame.height())
        return QSize();
    return QSize(width, height);
}
