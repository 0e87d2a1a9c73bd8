#pragma once

#include <QRect>
#include <QSize>

class QWidget;
struct OptionsPages;

// The designed sizes assume a small system font; the fonts of this platform are wider and
// taller. These functions make every caption fit its control without moving the design
// around more than needed.
namespace CaptionFit {

// Fits every page: widens or heightens the labels and option buttons whose caption would
// be cut, moves a right-hand neighbour in the same row out of the way, grows the frames to
// hold their controls, and returns the client size the dialog needs: the designed size, or more
// when a page had to grow. Moves the tab strip, buttons, band and status bar to match.
QSize fitDialog(QWidget *dialog, OptionsPages &ui, QSize designed);
// Where the page frames go: over the panel of the tab strip, below its tabs.
QRect pageGeometry(QWidget *dialog, const OptionsPages &ui);

} // namespace CaptionFit
