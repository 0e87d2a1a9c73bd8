#pragma once

// The arithmetic of the main window's layout, in twips, kept free of widgets so that the
// worked examples can be checked exactly. The window converts to pixels at its edge.
namespace PreviewLayout {

// The window is kept at least this large, or larger where this platform's fonts need it;
// the check triggers a little below the limit so that a window already at the minimum is
// not pushed again by rounding.
constexpr double MinimumWidth = 3400;
constexpr double MinimumHeight = 1900;
constexpr double TriggerSlack = 5;

constexpr double BandHeight = 500;
constexpr double PreviewTop = 550;
constexpr double WidthAllowance = 125;   // taken off the window width for band and preview
constexpr double HeightAllowance = 1625; // taken off the window height for the preview
constexpr double RightMargin = 120;      // free space right of url3
constexpr double Gap = 25;               // between url1 and url2, url2 and url3

struct Rect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The window size after the minimum has been enforced, with one beep per dimension raised.
struct Minimum
{
    double width = 0;
    double height = 0;
    int beeps = 0;
};
Minimum enforceMinimum(double width, double height, double minimumWidth = MinimumWidth,
                       double minimumHeight = MinimumHeight);

// Where the band and the inputs go for a window of the given outer width. Only url3 and
// url2 move, and only url1 changes its width.
struct ControlsIn
{
    double windowWidth = 0;
    double url1Left = 0;
    double url2Width = 0;
    double url3Width = 0;
};
struct ControlsOut
{
    Rect band;
    double url3Left = 0;
    double url2Left = 0;
    double url1Width = 0;
};
ControlsOut arrangeControls(const ControlsIn &in);

// The narrowest window in which arrangeControls leaves url1 at least url1Least wide.
double leastWidth(const ControlsIn &in, double url1Least);

// The area the preview may use in a window of the given outer size.
Rect previewArea(double windowWidth, double windowHeight);

// The whole number nearest to x, an exact half going to the even neighbour.
long long nearest(double x);

// The picture as large as the area allows with its aspect ratio kept, centred in it.
// areaWidth/areaHeight are the area's size as the view reports it back; the picture's own
// size only contributes its ratio. A picture without a size gets an empty rectangle.
Rect fitImage(double areaWidth, double areaHeight, double pictureWidth, double pictureHeight);

} // namespace PreviewLayout
