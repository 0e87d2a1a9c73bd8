#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where a dialog of the main window goes on the screen, and how it stays with that window.
namespace DialogPlacement {

// The top left corner of a window of size centred over around and kept whole within room
// (as far as it fits; a window larger than room starts at room's top left corner).
QPoint centred(const QRect &around, const QSize &size, const QRect &room);

// Makes dialog a transient window of owner's window: no task bar entry of its own, kept
// above it, minimized and restored with it. Needs owner's native window; does nothing
// without one.
void attach(QWidget *dialog, QWidget *owner);

// Centres dialog over owner's window when that is visible, else over dialog's screen.
void place(QWidget *dialog, QWidget *owner);
// Gives the dialog the size its contents ask for, or less where the screen it will show on
// has less room (the contents then scroll).
void fitToScreen(QWidget *dialog, QWidget *owner);

} // namespace DialogPlacement
