#pragma once

#include <cmath>

// Window geometry is stored and designed in twips: 1440 to the inch, so 15 to the pixel at
// 96 dots per inch. Conversions happen once, at the edge, with the screen's logical DPI.
namespace Twips {

inline double perPixel(double logicalDpi)
{
    return 1440.0 / (logicalDpi > 0 ? logicalDpi : 96.0);
}

inline int toPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips / perPixel(logicalDpi)));
}

inline double fromPixels(int pixels, double logicalDpi)
{
    return pixels * perPixel(logicalDpi);
}

} // namespace Twips
