#include "WindowGeometry.h"

#include "SettingsStore.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Far beyond any screen, yet safe to compute with in int.
constexpr double FarPixels = 1e6;

// The stored twips as pixels; nothing when the key is missing or its text is no number.
std::optional<int> storedPixels(const QString &key, double dpi)
{
    if (!SettingsStore::contains(key))
        return std::nullopt;
    const double twips = SettingsStore::readSingle(key, qQNaN());
    if (!std::isfinite(twips))
        return std::nullopt;
    const double pixels = std::clamp(twips / Twips::perPixel(dpi), -FarPixels, FarPixels);
    return int(std::lround(pixels));
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

    const auto size = [dpi](const char *key, int current) {
        const std::optional<int> stored = storedPixels(QLatin1String(key), dpi);
        return stored && *stored >= 1 ? *stored : current;
    };
    int width = size("main_width", frame.width());
    int height = size("main_height", frame.height());
    const std::optional<int> top = storedPixels(QStringLiteral("main_top"), dpi);
    const std::optional<int> left = storedPixels(QStringLiteral("main_left"), dpi);
    QPoint place(left.value_or(frame.x()), top.value_or(frame.y()));

    // A store written on a larger screen, or garbled, must not make a window the screen
    // cannot show (or the memory hold).
    const QScreen *screen = QGuiApplication::screenAt(place + QPoint(width / 2, height / 2));
    if (!screen)
        screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect free = screen->availableGeometry();
        width = qMin(width, free.width());
        height = qMin(height, free.height());
        place.setX(std::clamp(place.x(), free.left(), free.left() + free.width() - width));
        place.setY(std::clamp(place.y(), free.top(), free.top() + free.height() - height));
    }

    window->resize(qMax(1, width - margins.width()), qMax(1, height - margins.height()));
    // A stored place is applied even when it equals the current one (0, 0 before the window
    // is shown): otherwise the window manager would choose one.
    if (top || left)
        window->move(place);
    if (width == frame.width() && height == frame.height())
        return QSize();
    return QSize(width, height);
}
