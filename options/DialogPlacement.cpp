#include "DialogPlacement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace DialogPlacement {

QPoint centred(const QRect &around, const QSize &size, const QRect &room)
{
    const QPoint at = around.center() - QRect(QPoint(), size).center();
    if (!room.isValid())
        return at;
    const int right = qMax(room.left(), room.right() + 1 - size.width());
    const int bottom = qMax(room.top(), room.bottom() + 1 - size.height());
    return {qBound(room.left(), at.x(), right), qBound(room.top(), at.y(), bottom)};
}

void attach(QWidget *dialog, QWidget *owner)
{
    QWidget *window = owner ? owner->window() : nullptr;
    if (!window || !window->windowHandle())
        return;
    dialog->winId();
    dialog->windowHandle()->setTransientParent(window->windowHandle());
}

void fitToScreen(QWidget *dialog, QWidget *owner)
{
    QWidget *window = owner ? owner->window() : nullptr;
    const QScreen *screen = window && window->isVisible() ? window->screen() : dialog->screen();
    if (!screen)
        return;
    // The frame is not known before the window manager has framed the window; a title bar's
    // height is kept free for it.
    const int frame = qMax(dialog->frameGeometry().height() - dialog->height(),
                           dialog->fontMetrics().height() * 2);
    const QSize room = screen->availableGeometry().size() - QSize(frame / 4, frame);
    dialog->resize(
        dialog->sizeHint().boundedTo(room).expandedTo(dialog->minimumSizeHint().boundedTo(room)));
}

void place(QWidget *dialog, QWidget *owner)
{
    QWidget *window = owner ? owner->window() : nullptr;
    const bool overOwner = window && window->isVisible();
    const QScreen *screen = overOwner ? window->screen() : dialog->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect around = overOwner ? window->frameGeometry() : room;
    dialog->move(centred(around, dialog->size(), room));
}

} // namespace DialogPlacement
