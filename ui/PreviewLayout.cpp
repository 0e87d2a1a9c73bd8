#include "PreviewLayout.h"

#include <algorithm>
#include <cmath>

namespace PreviewLayout {

Minimum enforceMinimum(double width, double height, double minimumWidth, double minimumHeight)
{
    Minimum result{width, height, 0};
    if (width < minimumWidth - TriggerSlack) {
        result.width = minimumWidth;
        ++result.beeps;
    }
    if (height < minimumHeight - TriggerSlack) {
        result.height = minimumHeight;
        ++result.beeps;
    }
    return result;
}

ControlsOut arrangeControls(const ControlsIn &in)
{
    ControlsOut out;
    out.band = Rect{0, 0, in.windowWidth - WidthAllowance, BandHeight};
    out.url3Left = in.windowWidth - WidthAllowance - in.url3Width - RightMargin;
    out.url2Left = out.url3Left - Gap - in.url2Width;
    // A negative width would make the widget vanish oddly; the minimum window size keeps
    // this positive anyway.
    out.url1Width = std::max(0.0, out.url2Left - in.url1Left - Gap);
    return out;
}

double leastWidth(const ControlsIn &in, double url1Least)
{
    return in.url1Left + url1Least + Gap + in.url2Width + Gap + in.url3Width + RightMargin +
           WidthAllowance;
}

Rect previewArea(double windowWidth, double windowHeight)
{
    return Rect{0, PreviewTop, std::max(0.0, windowWidth - WidthAllowance),
                std::max(0.0, windowHeight - HeightAllowance)};
}

long long nearest(double x)
{
    // The default floating-point rounding mode rounds ties to even.
    return std::llrint(x);
}

Rect fitImage(double areaWidth, double areaHeight, double pictureWidth, double pictureHeight)
{
    const long long aw = nearest(areaWidth);
    const long long ah = nearest(areaHeight);
    const long long pw = nearest(pictureWidth);
    const long long ph = nearest(pictureHeight);
    if (pw <= 0 || ph <= 0)
        return Rect{static_cast<double>(nearest(aw / 2.0)),
                    static_cast<double>(nearest(ah / 2.0 + PreviewTop)), 0, 0};

    // The ratio is deliberately held in single precision: the worked sizes depend on it.
    const float r = static_cast<float>(static_cast<double>(pw) / static_cast<double>(ph));
    long long w = aw;
    long long h = nearest(static_cast<double>(aw) / static_cast<double>(r));
    if (h > ah) {
        h = ah;
        w = nearest(static_cast<double>(r) * static_cast<double>(ah));
    }
    const long long top = nearest((ah - h) / 2.0 + PreviewTop);
    const long long left = nearest((aw - w) / 2.0);
    return Rect{static_cast<double>(left), static_cast<double>(top), static_cast<double>(w),
                static_cast<double>(h)};
}

} // namespace PreviewLayout
